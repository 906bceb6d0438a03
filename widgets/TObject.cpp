#include "widgets/TObject.h"

#include <typeinfo>
#if defined(__GNUG__)
#include <cxxabi.h>
#include <cstdlib>
#endif

namespace vcl {

std::string TObject::ClassName() const {
  std::string name = typeid(*this).name();
#if defined(__GNUG__)
  int status = 0;
  char* plain = abi::__cxa_demangle(name.c_str(), nullptr, nullptr, &status);
  if (status == 0 && plain) name = plain;
  std::free(plain);
#else
  if (name.rfind("class ", 0) == 0) name.erase(0, 6);
#endif
  const auto colon = name.rfind("::");
  if (colon != std::string::npos) name.erase(0, colon + 2);
  return name;
}

void TObject::Free() {
  BeforeDestruction();
  delete this;
}

}  // namespace vcl
