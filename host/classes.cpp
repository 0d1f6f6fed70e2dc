#include "host/classes.hpp"

#include <algorithm>
#include <string>

namespace zub {

void TPersistent::Assign(const TPersistent* Source) {
  if (Source != nullptr) {
    Source->AssignTo(this);
    return;
  }
  throw EConvertError(u"Cannot assign a nil to a " + ClassName());
}

void TPersistent::AssignTo(TPersistent* Dest) const {
  throw EConvertError(u"Cannot assign a " + ClassName() + u" to a " +
                      (Dest != nullptr ? Dest->ClassName() : UnicodeString(u"nil")));
}

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner != nullptr) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  // Owned components are deleted newest first; each one unregisters itself on the way.
  while (!FComponents.empty()) delete FComponents.back();
  if (FOwner != nullptr) FOwner->RemoveComponent(this);
}

TComponent* TComponent::Components(int32_t Index) const {
  if (Index < 0 || Index >= ComponentCount())
    throw EListError(u"List index out of bounds (" + Utf8ToUnicode(std::to_string(Index)) + u")");
  return FComponents[static_cast<size_t>(Index)];
}

void TComponent::InsertComponent(TComponent* AComponent) {
  if (AComponent == nullptr || AComponent->FOwner == this) return;
  if (AComponent->FOwner != nullptr) AComponent->FOwner->RemoveComponent(AComponent);
  FComponents.push_back(AComponent);
  AComponent->FOwner = this;
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  const auto it = std::find(FComponents.begin(), FComponents.end(), AComponent);
  if (it == FComponents.end()) return;
  FComponents.erase(it);
  AComponent->FOwner = nullptr;
}

}  // namespace zub
