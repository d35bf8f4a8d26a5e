// The main window's form, which both platforms' windows show: its caption,
// its size and its one button.
#pragma once

struct FormRect {
  int x, y, width, height;
};

inline constexpr char kMainWindowCaption[] = "提取JPG文件名";
inline constexpr char kButtonCaption[] = "选择文件夹";

// Outer size, frame and title bar included.
inline constexpr int kMainWindowWidth = 193;
inline constexpr int kMainWindowHeight = 91;
// The client area that outer size leaves inside a classic Windows frame;
// a toolkit whose frame belongs to the window manager sizes this instead.
inline constexpr int kClientWidth = 187;
inline constexpr int kClientHeight = 66;

// In the client area.
inline constexpr FormRect kButtonRect = {48, 12, 80, 32};
