#pragma once
// The program's own texts (UTF-8 here; the compiler stores them as GBK).

namespace vex::app::text {

inline constexpr char kCaption[] = "Vexilov3.0";
inline constexpr char kBrowseChangeTitle[] = "请选择需要改变图标的文件夹";
inline constexpr char kBrowseRestoreTitle[] = "请选择需要还原图标的文件夹";
inline constexpr char kApplied[] = "文件夹图标改变成功";
inline constexpr char kRestored[] = "文件夹图标还原成功";
inline constexpr char kApplyButton[] = "应用选中的图标";
inline constexpr char kRestoreButton[] = "还原图标";
inline constexpr char kBrowseButton[] = ">>";
inline constexpr char kOptionsShow[] = "↓";
inline constexpr char kOptionsHide[] = "↑";
inline constexpr char kOptionsHint[] = "高级选项";
inline constexpr char kMenuOption[] = "在右键菜单中添加\"Vexilo\"";
inline constexpr char kCopyOption[] = "复制图标到目标文件夹中";
inline constexpr char kDownloadLink[] = "下载本软件最新版";
inline constexpr char kDownloadUrl[] = "https://vexilo.example/download";

}  // namespace vex::app::text
