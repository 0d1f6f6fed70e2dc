// Object model of the run-time layer: TObject, TPersistent with Assign/AssignTo, and
// TComponent with an owner that releases what it owns and a Name.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "host/exceptions.hpp"
#include "host/unicode.hpp"

namespace zub {

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  // The class name used in messages ("TComponent", "TStringArray", ...).
  virtual UnicodeString ClassName() const { return u"TObject"; }
};

// An event that takes its sender; empty means "not assigned".
using TNotifyEvent = std::function<void(TObject* Sender)>;

class TPersistent : public TObject {
 public:
  UnicodeString ClassName() const override { return u"TPersistent"; }

  // Copies Source into this object. The base asks Source to assign itself here through
  // AssignTo, and raises EConvertError "Cannot assign a X to a Y" when no class handles the
  // pair (X the source's class name, or "nil" for no source).
  virtual void Assign(const TPersistent* Source);

 protected:
  // Copies this object into Dest. The base raises EConvertError as described at Assign.
  virtual void AssignTo(TPersistent* Dest) const;
  // AssignTo for a class T whose objects copy only from their own class: Dest->Assign(this)
  // when Dest is a T, else the base's error (handing any other object its own Assign would
  // bounce back here for ever).
  template <class T>
  void AssignToOwnClass(TPersistent* Dest) const {
    if (auto* dest = dynamic_cast<T*>(Dest))
      dest->Assign(this);
    else
      TPersistent::AssignTo(Dest);
  }
};

class TComponent : public TPersistent {
 public:
  // Registers with AOwner (may be null); the owner deletes its components when it goes.
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;
  UnicodeString ClassName() const override { return u"TComponent"; }

  TComponent* Owner() const { return FOwner; }
  const UnicodeString& Name() const { return FName; }
  void SetName(const UnicodeString& NewName) { FName = NewName; }

  int32_t ComponentCount() const { return static_cast<int32_t>(FComponents.size()); }
  // 0-based; raises EListError outside 0 .. ComponentCount - 1.
  TComponent* Components(int32_t Index) const;

  // Moves AComponent (owned elsewhere or by nobody) into this component's care.
  void InsertComponent(TComponent* AComponent);
  // Releases AComponent from this component's care without deleting it.
  void RemoveComponent(TComponent* AComponent);

 private:
  TComponent* FOwner = nullptr;
  UnicodeString FName;
  std::vector<TComponent*> FComponents;
};

}  // namespace zub
