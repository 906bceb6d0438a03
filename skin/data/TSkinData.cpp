#include "skin/data/TSkinData.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <new>
#include <utility>

#include "skin/data/SkinDescription.h"
#include "skin/data/TLZH.h"
#include "skin/data/TSkinReader.h"
#include "widgets/TApplication.h"

namespace vex::skin {
namespace {

TSkinManagerLink* gLink = nullptr;
TSkinManagerFactory gFactory = nullptr;

std::function<void(const std::string&)>& MessageHandler() {
  static std::function<void(const std::string&)> handler = [](const std::string& text) { vcl::ShowMessage(text); };
  return handler;
}

// A skin file is read whole before it is decoded; anything larger than the
// biggest archive the reader accepts cannot be a skin.
constexpr std::uintmax_t kMaxSkinFileSize = kMaxArchiveSize;

bool ReadSkinFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return false;
  const std::streamoff size = in.tellg();
  if (size < 0 || static_cast<std::uintmax_t>(size) > kMaxSkinFileSize) return false;
  bytes.resize(static_cast<std::size_t>(size));
  in.seekg(0);
  return static_cast<bool>(in.read(reinterpret_cast<char*>(bytes.data()), size));
}

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

TSkinManagerLink* SkinManagerLink() { return gLink; }
void SetSkinManagerLink(TSkinManagerLink* link) { gLink = link; }
void SetSkinManagerFactory(TSkinManagerFactory factory) { gFactory = factory; }
TSkinManagerLink* EnsureSkinManager() {
  if (!gLink && gFactory) gLink = gFactory();
  return gLink;
}

void SetSkinMessageHandler(std::function<void(const std::string&)> handler) {
  MessageHandler() = handler ? std::move(handler) : [](const std::string& text) { vcl::ShowMessage(text); };
}

TSkinData::TSkinData(vcl::TComponent* AOwner) : vcl::TComponent(AOwner) {
  if (FDesigning) return;
  if (TSkinManagerLink* link = EnsureSkinManager()) {
    link->AddSkinData(this);
    FRegistered = true;
  }
}

TSkinData::TSkinData(ScaledCopyTag, TSkinData* source, int dpi)
    : vcl::TComponent(nullptr), FSource(source), FDpi(dpi) {}

TSkinData::~TSkinData() {
  if (FRegistered && gLink) gLink->RemoveSkinData(this);
}

void TSkinData::SetActive(bool value) {
  if (value == FActive) return;
  FActive = value;
  if (FDesigning || FLoading || SkinFormtype != sfMainform) return;
  if (value && NoSkin) return;
  if (gLink) gLink->SetAction(value ? 1 : 2);
}

void TSkinData::SetSkinFile(const std::string& path) {
  FSkinFile = path;
  if (FDesigning) {
    NoSkin = true;
    if (!path.empty()) FPackage.clear();  // bound to a file: keep no copy
    return;
  }
  // A file that is missing or does not load leaves the skin in use as it
  // was: the windows skinned with it keep their look (a failed load touches
  // none of the skin objects).
  std::vector<std::uint8_t> bytes;
  if (!FileExists(path) || !ReadSkinFile(path, bytes)) return;
  const bool hadSkin = !NoSkin;
  std::vector<std::uint8_t> previous = std::exchange(FPackage, std::move(bytes));
  if (!ReadPackage()) {
    FPackage = std::move(previous);
    NoSkin = !hadSkin;
    return;
  }
  Reapply();
}

bool TSkinData::UseSkinStream(std::span<const std::uint8_t> stored) {
  FSkinFile.clear();
  // Like a skin file that does not load, a stored package that does not
  // load leaves the skin in use as it was, and every window keeps its look.
  const bool hadSkin = !NoSkin;
  std::vector<std::uint8_t> previous = FPackage;
  if (!TakeStream(stored)) return !NoSkin;
  if (FDesigning) return false;
  if (!ReadPackage()) {
    FPackage = std::move(previous);
    NoSkin = !hadSkin;
    return false;
  }
  Reapply();
  return true;
}

void TSkinData::Reapply() {
  if (FLoading || !gLink) return;
  if (SkinFormtype == sfMainform) {
    gLink->SetChangedSkin(this);
    gLink->ClearAllButtons();
    gLink->SetAction(3);
  } else {
    gLink->ReapplySkin(this);
  }
}

std::string TSkinData::SkinStore() const { return FDesigning && !FPackage.empty() ? "(Good)" : "(none)"; }

bool TSkinData::TakeStream(std::span<const std::uint8_t> stored) {
  if (stored.size() < 4) return false;
  std::int32_t n = 0;
  std::memcpy(&n, stored.data(), 4);  // little-endian, as stored
  // A length beyond the stored bytes is a damaged design: nothing changes.
  if (n <= 0 || static_cast<std::size_t>(n) > stored.size() - 4) return false;
  FPackage.assign(stored.begin() + 4, stored.begin() + 4 + n);
  return true;
}

void TSkinData::ReadSkinStream(std::span<const std::uint8_t> stored) {
  if (TakeStream(stored) && !FDesigning) LoadSkin();
}

std::vector<std::uint8_t> TSkinData::WriteSkinStream() const {
  std::vector<std::uint8_t> out(4 + FPackage.size());
  const auto n = static_cast<std::uint32_t>(FPackage.size());
  for (int i = 0; i < 4; ++i) out[i] = static_cast<std::uint8_t>(n >> (8 * i));
  std::copy(FPackage.begin(), FPackage.end(), out.begin() + 4);
  return out;
}

bool TSkinData::ReadSkinStreamResource(HMODULE module, const char* name) {
  HRSRC info = FindResourceA(module, name, MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (!info) return false;
  HGLOBAL data = LoadResource(module, info);
  const void* bytes = data ? LockResource(data) : nullptr;
  if (!bytes) return false;
  ReadSkinStream({static_cast<const std::uint8_t*>(bytes), SizeofResource(module, info)});
  return true;
}

void TSkinData::Loaded() {
  FLoading = false;
  if (FDesigning || !FActive) return;
  if (NoSkin) {
    FActive = false;  // nothing to skin with: the forms keep their ordinary look
    return;
  }
  if (SkinFormtype == sfMainform && gLink) gLink->SetAction(1);
}

bool TSkinData::LoadSkin() {
  const bool loaded = ReadPackage();
  if (!FLoading && !FDesigning && gLink) {
    if (loaded)
      gLink->ReapplySkin(this);
    else
      gLink->DropSkin(this);
  }
  return loaded;
}

bool TSkinData::ReadPackage() {
  NoSkin = true;
  if (FDesigning) return false;
  auto reader = std::make_shared<TSkinReader>();
  try {
    if (!reader->LoadPackage(FPackage)) {
      if (reader->Status() == PackageStatus::kWrongVersion) MessageHandler()(kOlderSkinMessage);
      return false;
    }
  } catch (const ElzhException&) {
    return false;
  } catch (const std::bad_alloc&) {
    return false;
  }
  FDrawnPackage = reader;
  const bool read = ReadDescription(*reader);
  if (FDrawnImages.empty()) FDrawnPackage.reset();
  if (!read) return false;
  RefreshScaledCopies();
  return true;
}

void TSkinData::LoadSkinBitmap(vcl::TBitmap& bitmap, const std::string& value) {
  bitmap.SetHandle(nullptr);
  if (!FReader) return;
  const std::optional<std::size_t> index = IndexOfImage(*FReader, value);
  if (!index || FReader->Sizes()[*index] <= 0) return;
  try {
    bitmap.LoadFromMemory(FReader->Member(*index));
  } catch (const std::exception&) {
    bitmap.SetHandle(nullptr);  // not a bitmap file: an empty image
    return;
  }
  RememberDrawnImages(bitmap, value);
}

bool TSkinData::CanSkinForm(const std::string& className) {
  if (className == "TQRStandardPreview" || className == "SysMonthCal32" || className.rfind("Tfr", 0) == 0) return false;
  bool doSkin = true;
  if (OnFormSkin) OnFormSkin(this, className, doSkin);
  return doSkin;
}

void TSkinData::SkinChanged() {
  if (OnSkinChanged) OnSkinChanged(this);
}

}  // namespace vex::skin
