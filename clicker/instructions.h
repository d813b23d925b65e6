#pragma once

// The instructions box shown at start: 24 lines joined by CR LF, no CR LF
// after the last line.

namespace clicker::texts {

// clang-format off
inline constexpr char kInstructions[] =
    "尊敬的客户：\r\n"
    "\r\n"
    "    感谢您使用本软件，本软件无任何收费项，也没有在任何平台出售过。如亲您花钱购买了本软件，建议您直接差评或315投诉卖家。\r\n"
    "\r\n"
    "    本软件将不定期更新，如出现BUG，或亲有什么好的建议，可以联系我本人，联系方式会在此信息框末端展示。\r\n"
    "\r\n"
    "    软件使用方法，软件有三种模式供大家选择：\r\n"
    "\r\n"
    "    第一种模式为,现鼠标位置开启连击:\r\n"
    "\r\n"
    "第一步选择‘现鼠类型’，第二步设置‘点击频率’，第三步鼠标箭头移到需要连击的地方，按‘F3键’开启连击，按‘F4键’结束。\r\n"
    "\r\n"
    "    第二种模式为,取单点定位开启连击:\r\n"
    "\r\n"
    "第一步设置‘输入值’填写第一行两编辑框的XY值，第二步设置‘循环次数’与‘循环间隔’，第三步点击‘循环’按钮或‘F1键’开启连击，按‘F2键’结束。\r\n"
    "\r\n"
    "    第三种模式为：取多点定位开启连击:\r\n"
    "\r\n"
    "使用步骤与‘取单点定位开启连击’的模式一样，取好坐标，填写多个XY值，点击‘循环’按钮或‘F1键’开启连击，按‘F2键’结束。\r\n"
    "\r\n"
    "    结束软件双击右上角X关闭，或按‘Esc键’直接退出\r\n"
    "\r\n"
    "                                                                          作者：青禾\r\n"
    "                                                                          联系方式：本软件发布页的留言板（问题与建议都在那里回复）";
// clang-format on

}  // namespace clicker::texts
