#pragma once
// A move-only owner of one COM interface pointer: released when the owner goes.

#include <unknwn.h>

#include <utility>

namespace dm::win {

template <typename Interface>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() { Reset(); }
  ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      Reset();
      pointer_ = std::exchange(other.pointer_, nullptr);
    }
    return *this;
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;

  Interface* Get() const { return pointer_; }
  Interface* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }
  // For a call that hands out a new reference: the old one is released first.
  Interface** Put() {
    Reset();
    return &pointer_;
  }
  void** PutVoid() { return reinterpret_cast<void**>(Put()); }
  void Reset() {
    if (Interface* old = std::exchange(pointer_, nullptr)) old->Release();
  }
  // Another interface of the same object; empty when it has none.
  template <typename Other>
  ComPtr<Other> As(const IID& id) const {
    ComPtr<Other> other;
    if (pointer_ != nullptr && FAILED(pointer_->QueryInterface(id, other.PutVoid()))) other.Reset();
    return other;
  }

 private:
  Interface* pointer_ = nullptr;
};

}  // namespace dm::win
