#pragma once
// Saving a new file whole: the bytes go to a temporary file in the target
// folder, which is then renamed, so no half-written file ever carries the
// name, and an existing file of that name is never replaced.
#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace vex::iconbrowser {

// Saves `bytes` as `name` (a path inside `folder`, which ends in a
// backslash) and returns the path used: when `name` is taken by the time of
// the rename, `nextName` gives another, a few times over.  Throws
// vcl::EFCreateError (the name, then the system's reason) when the folder
// cannot take the file; the temporary file is removed then.
std::string SaveNewFile(const std::string& folder, std::span<const std::uint8_t> bytes, std::string name,
                        const std::function<std::string()>& nextName);

}  // namespace vex::iconbrowser
