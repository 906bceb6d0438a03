#include "skin/data/TSkinReader.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "skin/data/SkinDescription.h"
#include "skin/data/SkinScaling.h"
#include "skin/data/TLZH.h"

namespace vex::skin {
namespace {

std::int32_t ReadInt32(const std::uint8_t* p) {
  const std::uint32_t v = static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
                          static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
  return static_cast<std::int32_t>(v);
}

// Lines end at CR, LF or CR LF; the last may lack a break; NUL ends the text.
std::vector<std::string> SplitLines(std::string_view text) {
  const std::size_t nul = text.find('\0');
  if (nul != std::string_view::npos) text = text.substr(0, nul);
  std::vector<std::string> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.emplace_back(text.substr(start, i - start));
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = ++i;
      // Stop early on absurd lists; the caller refuses them anyway.
      if (lines.size() > kMaxMembers) return lines;
    } else {
      ++i;
    }
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

}  // namespace

std::string LowerAscii(std::string_view text) {
  std::string s(text);
  for (char& c : s) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return s;
}

TSkinReader::TSkinReader() = default;
TSkinReader::~TSkinReader() = default;
TSkinReader::TSkinReader(TSkinReader&&) noexcept = default;
TSkinReader& TSkinReader::operator=(TSkinReader&&) noexcept = default;

void TSkinReader::Clear() {
  header_ = {};
  archiveSize_ = 0;
  names_.clear();
  sizes_.fill(0);
  offsets_.clear();
  dataStart_ = 0;
  decoder_.reset();
  stream_.clear();
  problem_.clear();
}

const std::uint8_t* TSkinReader::Archive(std::uint64_t bytes) const {
  decoder_->DecodeTo(static_cast<std::size_t>(bytes));
  return decoder_->Output().data();
}

std::size_t TSkinReader::DecodedBytes() const { return decoder_ ? decoder_->Output().size() : 0; }

std::size_t TSkinReader::BytesPastEnd() const {
  if (!decoder_) return 0;
  decoder_->DecodeTo(archiveSize_);
  return decoder_->BytesRead() > stream_.size() ? decoder_->BytesRead() - stream_.size() : 0;
}

bool TSkinReader::Refuse(std::string why) {
  Clear();
  status_ = PackageStatus::kRefused;
  problem_ = std::move(why);
  return false;
}

bool TSkinReader::LoadPackage(std::span<const std::uint8_t> package) {
  Clear();
  status_ = PackageStatus::kEmpty;
  if (package.size() < 4) return Refuse("package is shorter than its size field");

  // Bound S by what the stream could produce before allocating anything.
  const std::uint32_t size = static_cast<std::uint32_t>(ReadInt32(package.data()));
  const std::span<const std::uint8_t> stream = package.subspan(4);
  if (size > kMaxArchiveSize) return Refuse("archive size " + std::to_string(size) + " exceeds 64 MiB");
  if (static_cast<std::uint64_t>(size) > static_cast<std::uint64_t>(stream.size()) * kMaxExpansion)
    return Refuse("archive size " + std::to_string(size) + " is more than " + std::to_string(stream.size()) +
                  " compressed bytes can hold");
  if (size < 16) return Refuse("archive is too short for its header");

  try {
    stream_.assign(stream.begin(), stream.end());
  } catch (const std::bad_alloc&) {
    throw ElzhException("LZH : Cannot get memory for dictionary tables");
  }
  decoder_ = std::make_unique<TLZH>(stream_);
  decoder_->Begin(size);
  const std::uint8_t* a = Archive(16);
  header_.version = ReadInt32(a);
  header_.nameListLength = ReadInt32(a + 4);
  header_.reserved1 = ReadInt32(a + 8);
  header_.reserved2 = ReadInt32(a + 12);
  if (header_.version != kPackageVersion) {
    const PackageHeader seen = header_;
    Clear();
    header_ = seen;
    status_ = PackageStatus::kWrongVersion;
    return false;
  }

  // Lengths are checked against S, the archive the package declares; bytes
  // a final match spilled past S belong to no member.
  const std::int64_t l = header_.nameListLength;
  if (l < 0 || l > static_cast<std::int64_t>(size) - 16)
    return Refuse("name list length " + std::to_string(l) + " does not fit the archive");
  a = Archive(16 + static_cast<std::uint64_t>(l));
  std::vector<std::string> names =
      SplitLines(std::string_view(reinterpret_cast<const char*>(a + 16), static_cast<std::size_t>(l)));
  if (names.size() > kMaxMembers) return Refuse("more than 1001 member names");
  const std::uint64_t n = names.size();
  const std::uint64_t tableEnd = 16 + static_cast<std::uint64_t>(l) + 4 * n;
  if (tableEnd > size) return Refuse("size table runs past the end of the archive");

  const std::uint64_t dataSize = size - tableEnd;
  a = Archive(tableEnd);
  std::vector<std::uint64_t> offsets(n);
  std::uint64_t total = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const std::int32_t s = ReadInt32(a + 16 + l + 4 * i);
    if (s < 0) return Refuse("member " + std::to_string(i + 1) + " has a negative size");
    offsets[i] = total;
    total += static_cast<std::uint64_t>(s);
    sizes_[i] = s;
  }
  if (total > dataSize)
    return Refuse("member sizes add up to " + std::to_string(total) + " bytes but the archive holds " +
                  std::to_string(dataSize));

  names_.reserve(names.size());
  for (const std::string& name : names) names_.push_back(LowerAscii(name));
  offsets_ = std::move(offsets);
  dataStart_ = tableEnd;
  archiveSize_ = size;
  status_ = PackageStatus::kOk;
  return true;
}

std::span<const std::uint8_t> TSkinReader::Member(std::size_t index) const {
  if (index >= names_.size()) return {};
  const std::uint64_t start = dataStart_ + offsets_[index];
  const std::uint8_t* a = Archive(start + static_cast<std::uint64_t>(sizes_[index]));
  return {a + start, static_cast<std::size_t>(sizes_[index])};
}

bool TSkinReader::ExtractMember(std::string_view name, std::vector<std::uint8_t>& dest) const {
  dest.clear();
  const std::optional<std::size_t> i = IndexOf(name);
  if (!i) return false;
  const auto m = Member(*i);
  dest.assign(m.begin(), m.end());
  return true;
}

std::optional<std::size_t> TSkinReader::IndexOf(std::string_view name) const {
  const std::string wanted = LowerAscii(name);
  for (std::size_t i = 0; i < names_.size(); ++i)
    if (names_[i] == wanted) return i;
  return std::nullopt;
}

bool TSkinReader::ExtractFirstMatch(std::string_view fragment, std::vector<std::uint8_t>& dest,
                                    std::string& name) const {
  dest.clear();
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (names_[i].find(fragment) != std::string::npos) {
      const auto m = Member(i);
      dest.assign(m.begin(), m.end());
      name = names_[i];
      return true;
    }
  }
  return false;
}

std::optional<std::size_t> IndexOfImage(const TSkinReader& reader, std::string_view value, int percent) {
  std::string member = SkinImageMemberName(value);
  if (percent != 0 && !member.empty()) member = scaling::DrawnMemberName(member, percent);
  // An empty name would find a member that has none.
  if (member.empty()) return std::nullopt;
  return reader.IndexOf(member);
}

}  // namespace vex::skin
