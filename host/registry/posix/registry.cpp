// The registry accessor on POSIX: each root an SQLite store (sqlite_store.hpp), and
// HKEY_CLASSES_ROOT with the desktop's associations beneath (desktop_associations.hpp).
#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "host/case_map.hpp"
#include "host/registry/posix/desktop_associations.hpp"
#include "host/registry/posix/sqlite_store.hpp"
#include "host/registry/registry.hpp"

namespace zub {

using registry::StoredValue;

struct TRegistry::Impl {
  std::unique_ptr<registry::SqliteStore> store;
  bool classes = false;  // the desktop's keys show beneath the store
  bool open = false;
  bool readOnly = false;
  std::vector<UnicodeString> path;                // the open key's names from the root
  std::optional<int64_t> id = registry::kRootId;  // its row in the store; none when only the desktop has it

  // The names of Key from the root: after the open key unless Key begins with "\".
  std::vector<UnicodeString> Resolve(const UnicodeString& key) const {
    std::vector<UnicodeString> names;
    if (open && (key.empty() || key[0] != u'\\')) names = path;
    size_t at = 0;
    while (at <= key.size()) {
      size_t end = key.find(u'\\', at);
      if (end == UnicodeString::npos) end = key.size();
      if (end > at) names.push_back(key.substr(at, end - at));
      at = end + 1;
    }
    return names;
  }

  // The key's row in the store; Names gets the names as the store keeps them.
  std::optional<int64_t> Find(std::vector<UnicodeString>& names) {
    int64_t at = registry::kRootId;
    for (UnicodeString& name : names) {
      const auto child = store->FindChild(at, name);
      if (!child) return std::nullopt;
      at = *child;
      name = store->KeyName(at);
    }
    return at;
  }

  std::optional<registry::DesktopKey> Desktop(const std::vector<UnicodeString>& names) const {
    if (!classes) return std::nullopt;
    return registry::DesktopClassesKey(names);
  }

  std::optional<StoredValue> Value(const UnicodeString& name) {
    if (id && store->KeyAlive(*id))
      if (auto v = store->ReadValue(*id, name)) return v;
    if (const auto d = Desktop(path))
      for (const auto& [n, data] : d->values)
        if (AnsiSameText(n, name)) return StoredValue{REG_SZ, UnicodeToUtf8(data)};
    return std::nullopt;
  }

  // The open key's row, made in the store when only the desktop has it.
  int64_t Writable(const UnicodeString& name) {
    if (readOnly)
      throw ERegistryException(u"Failed to set data for '" + name + u"': the key is open read-only");
    if (!id) id = store->CreatePath(registry::kRootId, path);
    return *id;
  }

  void Write(const UnicodeString& name, uint32_t type, std::string data) {
    store->WriteValue(Writable(name), name, StoredValue{type, std::move(data)});
  }

  void Close() {
    open = false;
    readOnly = false;
    path.clear();
    id = registry::kRootId;
  }
};

namespace {

std::string Utf16Bytes(const UnicodeString& s) {
  std::string out;
  for (const Char c : s) {
    out += static_cast<char>(c & 0xFF);
    out += static_cast<char>(c >> 8);
  }
  out.append(2, '\0');
  return out;
}

// Merges store and desktop names: each once (the store's case first), in folded order.
void FillNames(TStringList& list, std::vector<UnicodeString> names) {
  list.Clear();
  std::set<std::string> seen;
  std::vector<std::pair<std::string, UnicodeString>> keyed;
  for (UnicodeString& n : names) {
    std::string fold = registry::FoldName(n);
    if (seen.insert(fold).second) keyed.emplace_back(std::move(fold), std::move(n));
  }
  std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& k : keyed) list.Add(k.second);
}

}  // namespace

TRegistry::TRegistry() : FImpl(std::make_unique<Impl>()) {
  SetRootKey(HKEY_CURRENT_USER);
}

TRegistry::~TRegistry() = default;

void TRegistry::SetRootKey(HKEY Value) {
  const UnicodeString file = RegistryStoreFile(Value);
  if (file.empty()) throw ERegistryException(u"Invalid registry root key " + U(std::to_string(Value)));
  FImpl->Close();
  FImpl->store = std::make_unique<registry::SqliteStore>(UnicodeToSystemName(file),
                                                         Value == HKEY_CURRENT_USER ? 0700u : 0755u);
  FImpl->classes = Value == HKEY_CLASSES_ROOT;
  FRootKey = Value;
}

UnicodeString TRegistry::CurrentPath() const {
  UnicodeString out;
  for (const UnicodeString& n : FImpl->path) out += (out.empty() ? u"" : u"\\") + n;
  return out;
}

bool TRegistry::HasCurrentKey() const {
  return FImpl->open;
}

bool TRegistry::OpenKey(const UnicodeString& Key, bool CanCreate) {
  std::vector<UnicodeString> names = FImpl->Resolve(Key);
  const std::vector<UnicodeString> asGiven = names;
  std::optional<int64_t> id = FImpl->Find(names);
  if (!id) {
    if (CanCreate) {
      names = asGiven;
      id = FImpl->store->CreatePath(registry::kRootId, names);
      FImpl->Find(names);
    } else if (!FImpl->Desktop(asGiven)) {
      return false;
    } else {
      names = asGiven;
    }
  }
  FImpl->open = true;
  FImpl->readOnly = false;
  FImpl->path = std::move(names);
  FImpl->id = id;
  return true;
}

bool TRegistry::OpenKeyReadOnly(const UnicodeString& Key) {
  if (!OpenKey(Key, false)) return false;
  FImpl->readOnly = true;
  return true;
}

void TRegistry::CloseKey() {
  FImpl->Close();
}

bool TRegistry::KeyExists(const UnicodeString& Key) {
  std::vector<UnicodeString> names = FImpl->Resolve(Key);
  const std::vector<UnicodeString> asGiven = names;
  return FImpl->Find(names).has_value() || FImpl->Desktop(asGiven).has_value();
}

bool TRegistry::ValueExists(const UnicodeString& Name) {
  return FImpl->Value(Name).has_value();
}

TRegDataType TRegistry::GetDataType(const UnicodeString& ValueName) {
  const auto v = FImpl->Value(ValueName);
  if (!v) return rdUnknown;
  switch (v->type) {
    case REG_SZ:
      return rdString;
    case REG_EXPAND_SZ:
      return rdExpandString;
    case REG_DWORD:
      return rdInteger;
    case REG_BINARY:
      return rdBinary;
    default:
      return rdUnknown;
  }
}

int32_t TRegistry::GetDataSize(const UnicodeString& ValueName) {
  const auto v = FImpl->Value(ValueName);
  if (!v) return -1;
  if (v->type == REG_SZ || v->type == REG_EXPAND_SZ)
    return static_cast<int32_t>(Utf8ToUnicode(v->data).size() + 1) * 2;
  return static_cast<int32_t>(v->data.size());
}

UnicodeString TRegistry::ReadString(const UnicodeString& Name) {
  const auto v = FImpl->Value(Name);
  if (!v) return u"";
  if (v->type != REG_SZ && v->type != REG_EXPAND_SZ)
    throw ERegistryException(u"Invalid data type for '" + Name + u"'");
  return Utf8ToUnicode(v->data);
}

int32_t TRegistry::ReadInteger(const UnicodeString& Name) {
  const auto v = FImpl->Value(Name);
  if (!v) throw ERegistryException(u"Unable to read data for '" + Name + u"': no such value");
  if (v->type != REG_DWORD || v->data.size() != 4)
    throw ERegistryException(u"Invalid data type for '" + Name + u"'");
  uint32_t n = 0;
  for (int i = 0; i < 4; ++i) n |= uint32_t{static_cast<unsigned char>(v->data[i])} << (8 * i);
  return static_cast<int32_t>(n);
}

int32_t TRegistry::ReadBinaryData(const UnicodeString& Name, void* Buffer, int32_t BufSize) {
  const auto v = FImpl->Value(Name);
  if (!v) throw ERegistryException(u"Unable to read data for '" + Name + u"': no such value");
  const std::string bytes =
      v->type == REG_SZ || v->type == REG_EXPAND_SZ ? Utf16Bytes(Utf8ToUnicode(v->data)) : v->data;
  const size_t n = std::min(bytes.size(), static_cast<size_t>(std::max(BufSize, 0)));
  if (n > 0) std::copy_n(bytes.data(), n, static_cast<char*>(Buffer));
  return static_cast<int32_t>(n);
}

void TRegistry::WriteString(const UnicodeString& Name, const UnicodeString& Value) {
  FImpl->Write(Name, REG_SZ, UnicodeToUtf8(Value));
}

void TRegistry::WriteExpandString(const UnicodeString& Name, const UnicodeString& Value) {
  FImpl->Write(Name, REG_EXPAND_SZ, UnicodeToUtf8(Value));
}

void TRegistry::WriteInteger(const UnicodeString& Name, int32_t Value) {
  std::string data;
  for (int i = 0; i < 4; ++i) data += static_cast<char>((static_cast<uint32_t>(Value) >> (8 * i)) & 0xFF);
  FImpl->Write(Name, REG_DWORD, std::move(data));
}

void TRegistry::WriteBinaryData(const UnicodeString& Name, const void* Buffer, int32_t BufSize) {
  FImpl->Write(
      Name, REG_BINARY,
      BufSize > 0 ? std::string(static_cast<const char*>(Buffer), static_cast<size_t>(BufSize)) : "");
}

void TRegistry::GetKeyNames(TStringList& Strings) {
  std::vector<UnicodeString> names;
  if (FImpl->id && FImpl->store->KeyAlive(*FImpl->id)) names = FImpl->store->ChildNames(*FImpl->id);
  if (auto d = FImpl->Desktop(FImpl->path))
    for (UnicodeString& n : d->subkeys) names.push_back(std::move(n));
  FillNames(Strings, std::move(names));
}

void TRegistry::GetValueNames(TStringList& Strings) {
  std::vector<UnicodeString> names;
  if (FImpl->id && FImpl->store->KeyAlive(*FImpl->id)) names = FImpl->store->ValueNames(*FImpl->id);
  if (auto d = FImpl->Desktop(FImpl->path))
    for (auto& v : d->values) names.push_back(std::move(v.first));
  FillNames(Strings, std::move(names));
}

bool TRegistry::DeleteKey(const UnicodeString& Key) {
  std::vector<UnicodeString> names = FImpl->Resolve(Key);
  const auto id = FImpl->Find(names);
  if (!id || !FImpl->store->DeleteTree(*id)) return false;
  const auto& open = FImpl->path;
  if (FImpl->open && open.size() >= names.size() &&
      std::equal(names.begin(), names.end(), open.begin(),
                 [](const UnicodeString& a, const UnicodeString& b) { return AnsiSameText(a, b); }))
    FImpl->Close();
  return true;
}

bool TRegistry::DeleteValue(const UnicodeString& Name) {
  return FImpl->id && FImpl->store->DeleteValue(*FImpl->id, Name);
}

}  // namespace zub
