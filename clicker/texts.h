#pragma once

// The program's own texts. Written here in UTF-8; the build turns every string
// literal into code page 936 bytes, which is what the ANSI system calls expect.

namespace clicker::texts {

inline constexpr char kNoticeTitle[] = "青禾温馨提示";

inline constexpr char kEnterLoopCount[] = "请输入‘循环次数’";
inline constexpr char kEnterLoopInterval[] = "请输入‘循环间隔’";
inline constexpr char kEnterX[] = "请输入‘X数值’";
inline constexpr char kEnterY[] = "请输入‘Y数值’";
inline constexpr char kStopNeedsX[] = "请输 X 的数值";
inline constexpr char kStopNeedsY[] = "请输 Y 的数值";
inline constexpr char kLoopEnded[] = "已结束循环，开启请按‘循环’启动";
inline constexpr char kStopped[] = "已停止";
inline constexpr char kEnterFrequency[] = "请输入点击频率";
// A row's point lies on no monitor; %d is the row as the window shows it, the
// main point the first.
inline constexpr char kPointOffMonitor[] = "第%d行的坐标不在任何显示器上，请修改后再按‘循环’启动";

}  // namespace clicker::texts
