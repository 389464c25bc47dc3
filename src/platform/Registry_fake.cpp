#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

#include "platform/AnsiCase.h"
#include "platform/Registry.h"

namespace tavimo {

namespace {

struct Value {
  std::string name;
  std::uint32_t type = reg::None;
  std::string data;
};

struct Node {
  std::string name;
  Node* parent = nullptr;
  bool deleted = false;
  std::vector<Value> values;  // in the order first written, as Windows lists them
  std::map<std::string, std::shared_ptr<Node>> subkeys;  // by upper-case name: name order

  Value* findValue(const std::string& valueName) {
    auto it = std::find_if(values.begin(), values.end(),
                           [&](const Value& v) { return equalsIgnoringCase(v.name, valueName); });
    return it == values.end() ? nullptr : &*it;
  }
};

struct Handle {
  std::shared_ptr<Node> node;
  std::uint32_t access = 0;
};

bool isStringType(std::uint32_t type) { return type == reg::Sz || type == reg::ExpandSz; }

// Splits "a\b\c" into its names; a final "\" is allowed, an empty name elsewhere is not.
bool splitPath(const std::string& path, std::vector<std::string>& names) {
  std::size_t start = 0;
  while (start < path.size()) {
    std::size_t end = path.find('\\', start);
    if (end == std::string::npos) end = path.size();
    if (end == start) return false;
    names.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return true;
}

// A deleted key and everything below it: handles still open on any of them fail.
void markDeleted(Node& node) {
  node.deleted = true;
  for (auto& [name, child] : node.subkeys) markDeleted(*child);
}

std::uint32_t grantedAccess(std::uint32_t requested) {
  return (requested & reg::MaximumAllowed) ? 0xFFFFFFFFu : requested;
}

}  // namespace

struct FakeRegistry::Impl {
  std::map<RegKey, std::shared_ptr<Node>> hives;
  std::map<RegKey, Handle> handles;
  RegKey nextHandle = 0x100;

  // The key a handle stands for; hives carry every right.
  Status resolve(RegKey key, std::uint32_t neededAccess, std::shared_ptr<Node>& node) {
    if (auto hive = hives.find(key); hive != hives.end()) {
      node = hive->second;
      return status::Success;
    }
    auto handle = handles.find(key);
    if (handle == handles.end()) return status::InvalidHandle;
    if ((handle->second.access & neededAccess) != neededAccess) return status::AccessDenied;
    if (handle->second.node->deleted) return status::KeyDeleted;
    node = handle->second.node;
    return status::Success;
  }

  RegKey newHandle(std::shared_ptr<Node> node, std::uint32_t access) {
    const RegKey key = nextHandle;
    nextHandle += 4;
    handles[key] = Handle{std::move(node), grantedAccess(access)};
    return key;
  }

  // Walks the path below a key; with create, makes the missing keys.
  Status walk(RegKey parent, const std::string& path, bool create, std::shared_ptr<Node>& node,
              bool* created) {
    std::vector<std::string> names;
    if (!splitPath(path, names)) return status::BadPathname;
    Status found = resolve(parent, 0, node);
    if (found != status::Success) return found;
    for (const std::string& name : names) {
      const std::string upper = upperAnsi(name);
      auto it = node->subkeys.find(upper);
      if (it == node->subkeys.end()) {
        if (!create) return status::FileNotFound;
        auto made = std::make_shared<Node>();
        made->name = name;
        made->parent = node.get();
        it = node->subkeys.emplace(upper, std::move(made)).first;
        if (created) *created = true;
      }
      node = it->second;
    }
    return status::Success;
  }
};

FakeRegistry::FakeRegistry() : impl_(std::make_unique<Impl>()) {
  for (RegKey hive : {reg::ClassesRoot, reg::CurrentUser, reg::LocalMachine, reg::Users}) {
    impl_->hives[hive] = std::make_shared<Node>();
  }
}

FakeRegistry::~FakeRegistry() = default;

std::size_t FakeRegistry::openHandles() const { return impl_->handles.size(); }

Status FakeRegistry::openKey(RegKey parent, const std::string& path, std::uint32_t access,
                             RegKey* result) {
  if (!result) return status::InvalidParameter;
  *result = 0;
  if (path.empty() && impl_->hives.count(parent)) {
    *result = parent;
    return status::Success;
  }
  std::shared_ptr<Node> node;
  Status found = impl_->walk(parent, path, false, node, nullptr);
  if (found != status::Success) return found;
  *result = impl_->newHandle(node, access);
  return status::Success;
}

Status FakeRegistry::createKey(RegKey parent, const std::string& path, std::uint32_t access,
                               RegKey* result, std::uint32_t* disposition) {
  if (!result) return status::InvalidParameter;
  *result = 0;
  std::shared_ptr<Node> node;
  bool created = false;
  Status found = impl_->walk(parent, path, true, node, &created);
  if (found != status::Success) return found;
  *result = impl_->newHandle(node, access);
  if (disposition) *disposition = created ? reg::CreatedNewKey : reg::OpenedExistingKey;
  return status::Success;
}

Status FakeRegistry::closeKey(RegKey key) {
  if (impl_->hives.count(key)) return status::Success;
  return impl_->handles.erase(key) ? status::Success : status::InvalidHandle;
}

Status FakeRegistry::setValue(RegKey key, const std::string& name, std::uint32_t type,
                              const void* data, std::uint32_t size) {
  std::shared_ptr<Node> node;
  Status found = impl_->resolve(key, reg::SetValue, node);
  if (found != status::Success) return found;
  if (size && !data) return status::InvalidParameter;
  std::string stored(static_cast<const char*>(data), size);
  if (isStringType(type) && !stored.empty() && stored.back() != '\0') stored.push_back('\0');
  if (Value* existing = node->findValue(name)) {
    existing->type = type;
    existing->data = std::move(stored);
  } else {
    node->values.push_back(Value{name, type, std::move(stored)});
  }
  return status::Success;
}

Status FakeRegistry::queryValue(RegKey key, const std::string& name, std::uint32_t* type,
                                void* data, std::uint32_t* size) {
  std::shared_ptr<Node> node;
  Status found = impl_->resolve(key, reg::QueryValue, node);
  if (found != status::Success) return found;
  if (data && !size) return status::InvalidParameter;
  const Value* value = node->findValue(name);
  if (!value) {
    if (type) *type = reg::None;
    if (size && !data) *size = 0;
    return status::FileNotFound;
  }
  const auto stored = static_cast<std::uint32_t>(value->data.size());
  Status result = status::Success;
  if (data) {
    if (stored > *size) {
      result = status::MoreData;
    } else {
      std::memcpy(data, value->data.data(), stored);
    }
  }
  if (type) *type = value->type;
  if (size) *size = stored;
  return result;
}

Status FakeRegistry::deleteValue(RegKey key, const std::string& name) {
  std::shared_ptr<Node> node;
  Status found = impl_->resolve(key, reg::SetValue, node);
  if (found != status::Success) return found;
  auto it = std::find_if(node->values.begin(), node->values.end(),
                         [&](const Value& v) { return equalsIgnoringCase(v.name, name); });
  if (it == node->values.end()) return status::FileNotFound;
  node->values.erase(it);
  return status::Success;
}

Status FakeRegistry::deleteKey(RegKey parent, const std::string& path) {
  std::shared_ptr<Node> node;
  Status found = impl_->walk(parent, path, false, node, nullptr);
  if (found != status::Success) return found;
  if (!node->parent || !node->subkeys.empty()) return status::AccessDenied;
  node->deleted = true;
  node->parent->subkeys.erase(upperAnsi(node->name));
  return status::Success;
}

Status FakeRegistry::deleteTree(RegKey parent, const std::string& path) {
  if (path.empty()) return status::InvalidParameter;
  std::shared_ptr<Node> node;
  Status found = impl_->walk(parent, path, false, node, nullptr);
  if (found != status::Success) return found;
  if (!node->parent) return status::AccessDenied;
  markDeleted(*node);
  node->parent->subkeys.erase(upperAnsi(node->name));
  return status::Success;
}

Status FakeRegistry::enumValue(RegKey key, std::uint32_t index, char* name,
                               std::uint32_t* nameSize, std::uint32_t* type, void* data,
                               std::uint32_t* dataSize) {
  if (!name || !nameSize || (data && !dataSize)) return status::InvalidParameter;
  std::shared_ptr<Node> node;
  Status found = impl_->resolve(key, reg::QueryValue, node);
  if (found != status::Success) return found;
  if (index >= node->values.size()) return status::NoMoreItems;
  const Value& value = node->values[index];
  const auto stored = static_cast<std::uint32_t>(value.data.size());
  if (type) *type = value.type;
  if (dataSize) {
    const std::uint32_t room = *dataSize;
    *dataSize = stored;
    if (data && stored > room) return status::MoreData;
  }
  if (value.name.size() >= *nameSize) return status::MoreData;
  std::memcpy(name, value.name.c_str(), value.name.size() + 1);
  *nameSize = static_cast<std::uint32_t>(value.name.size());
  if (data) std::memcpy(data, value.data.data(), stored);
  return status::Success;
}

Status FakeRegistry::enumKey(RegKey key, std::uint32_t index, char* name,
                             std::uint32_t* nameSize) {
  if (!name || !nameSize) return status::InvalidParameter;
  std::shared_ptr<Node> node;
  Status found = impl_->resolve(key, reg::EnumerateSubKeys, node);
  if (found != status::Success) return found;
  if (index >= node->subkeys.size()) return status::NoMoreItems;
  const std::string& subkeyName = std::next(node->subkeys.begin(), index)->second->name;
  if (subkeyName.size() >= *nameSize) return status::MoreData;
  std::memcpy(name, subkeyName.c_str(), subkeyName.size() + 1);
  *nameSize = static_cast<std::uint32_t>(subkeyName.size());
  return status::Success;
}

}  // namespace tavimo
