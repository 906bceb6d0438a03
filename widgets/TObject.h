#pragma once
// Root of the class tree: the run-time class name, and two-step creation and
// destruction. Free() runs BeforeDestruction while the whole object still
// exists (a form's OnDestroy sees its own fields), then deletes it.
#include <memory>
#include <string>
#include <utility>

namespace vcl {

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  // The class name without namespace: "TForm1" for app::TForm1. Forms use it
  // as their window class name.
  std::string ClassName() const;

  virtual void AfterConstruction() {}
  virtual void BeforeDestruction() {}
  // BeforeDestruction, then delete. Safe to call on nullptr through FreeAndNil.
  void Free();
};

struct FreeDeleter {
  void operator()(TObject* object) const {
    if (object) object->Free();
  }
};
// Owner of an object that has no owner component: unique_ptr that frees.
template <class T>
using Owned = std::unique_ptr<T, FreeDeleter>;

// Creates an object and runs its AfterConstruction (a form's OnCreate).
template <class T, class... A>
T* New(A&&... args) {
  T* object = new T(std::forward<A>(args)...);
  object->AfterConstruction();
  return object;
}

template <class T>
void FreeAndNil(T*& object) {
  T* o = std::exchange(object, nullptr);
  if (o) o->Free();
}

}  // namespace vcl
