// Reads a skin package: a 32-bit archive size S, then the LZHUF-compressed
// archive (header, name list, size table, member contents).  Packages are
// untrusted input: every length in them is checked before it is used.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vex::skin {

class TLZH;

inline constexpr std::int32_t kPackageVersion = 20000;
inline constexpr std::size_t kMaxMembers = 1001;
// Shown by the caller (it needs a message box) when Status() is kWrongVersion.
inline constexpr const char* kOlderSkinMessage = "This is Older Skin File\rPlease update to new version !";

// Largest archive accepted; skins are a few hundred kilobytes.
inline constexpr std::uint32_t kMaxArchiveSize = 64u << 20;
// One bit can stand for at most 6 output bytes (a 60-byte match costs at
// least a 1-bit length code plus a 9-bit position code; a literal at least
// one bit), so one input byte yields at most 48.
inline constexpr std::uint32_t kMaxExpansion = 48;

enum class PackageStatus {
  kEmpty,         // nothing loaded yet
  kOk,
  kWrongVersion,  // the archive's version word is not 20000
  kRefused,       // damaged or hostile package; Problem() says why
};

struct PackageHeader {
  std::int32_t version = 0;
  std::int32_t nameListLength = 0;  // L
  std::int32_t reserved1 = 0;
  std::int32_t reserved2 = 0;
};

class TSkinReader {
 public:
  TSkinReader();
  ~TSkinReader();
  // Moving keeps the decoder's stream where it is (a vector's move takes its
  // buffer along); copying would not.
  TSkinReader(TSkinReader&&) noexcept;
  TSkinReader& operator=(TSkinReader&&) noexcept;

  // Parses a package: its header, name list and size table are decoded and
  // checked at once, the members as far as they are asked for (the stream
  // is one piece: a member's bytes come out after all those before it).
  // The reader keeps its own copy of `package`.  False when it is refused or
  // of another version; then no member can be found.  Throws ElzhException
  // when memory for decoding cannot be had; decoding later allocates nothing
  // and cannot fail (a damaged stream gives damaged members, as it would
  // decoded whole).
  bool LoadPackage(std::span<const std::uint8_t> package);

  PackageStatus Status() const { return status_; }
  // One line of English for a refused package (empty otherwise).
  const std::string& Problem() const { return problem_; }

  // Copies the first member named `name` (letter case ignored) into `dest`.
  // An unknown name leaves `dest` empty and returns false.
  bool ExtractMember(std::string_view name, std::vector<std::uint8_t>& dest) const;
  // The index of the first member named `name` (letter case ignored), or
  // nullopt; Member(index) then gives its bytes without a copy.
  std::optional<std::size_t> IndexOf(std::string_view name) const;
  // Copies the first member whose (lower-case) name contains `fragment`, as
  // passed, and sets `name` to it.  Without a match `dest` is left empty and
  // `name` unchanged.
  bool ExtractFirstMatch(std::string_view fragment, std::vector<std::uint8_t>& dest, std::string& name) const;

  // How many bytes past the end of the compressed stream the decoder asked
  // for (they read as zero), the whole archive decoded.  A whole package
  // needs none; a cut-off one still decodes, its members beyond the cut
  // meaningless.
  std::size_t BytesPastEnd() const;

  // How many archive bytes have been decoded so far (the front of the
  // archive up to the furthest member asked for).
  std::size_t DecodedBytes() const;

  const PackageHeader& Header() const { return header_; }
  std::uint32_t ArchiveSize() const { return archiveSize_; }  // S
  // Lower-cased member names in package order (empty names included).
  const std::vector<std::string>& Names() const { return names_; }
  std::span<const std::int32_t> Sizes() const { return {sizes_.data(), names_.size()}; }
  std::span<const std::uint8_t> Member(std::size_t index) const;

 private:
  bool Refuse(std::string why);
  void Clear();
  // The archive's first `bytes` bytes, decoded as far as needed.
  const std::uint8_t* Archive(std::uint64_t bytes) const;

  PackageStatus status_ = PackageStatus::kEmpty;
  std::string problem_;
  PackageHeader header_;
  std::uint32_t archiveSize_ = 0;
  std::vector<std::string> names_;
  std::array<std::int32_t, kMaxMembers> sizes_{};
  std::vector<std::uint64_t> offsets_;  // start of each member after the size table
  std::uint64_t dataStart_ = 0;         // the archive's offset of the first member
  std::vector<std::uint8_t> stream_;    // the compressed archive
  std::unique_ptr<TLZH> decoder_;       // decodes on as members are asked for
};

// Lower-cases A-Z only; bytes of 0x80 and above (GBK) stay as they are.
std::string LowerAscii(std::string_view text);

// The index in `reader` of the member a description's image value names (the
// file name after the last "\" or ":", ending in ".bmp"), or with `percent`
// of the picture the package draws for that scale ("name@150.bmp"); nullopt
// when the value names no bitmap or the package lacks the member.
std::optional<std::size_t> IndexOfImage(const TSkinReader& reader, std::string_view value, int percent = 0);

}  // namespace vex::skin
