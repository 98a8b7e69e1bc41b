// One-line explanations shown as tooltips over the options. A control is
// registered with the tooltip window the first time the mouse moves over it;
// the tooltip window then watches the control's mouse messages itself.

#include "settings/settings_form.h"

#include <windows.h>
#include <commctrl.h>

namespace sy {

namespace {

// One text per hint number, hint 1 first; each fits a slot with its zero.
constexpr const char* HINT_TEXTS[HINT_COUNT] = {
    "遇不会拆分的汉字可用拼音录入",
    "遇不会拆分的汉字可用拼音词组录入(影响盲打)",
    "所选重码项自动调整至首位",
    "如果录入的4码是空码,则清空此编码并等待下次录入",
    "如果以单字方式录入词组,系统会给出提示",
    "除检索当前编码外,还会检索一些以此编码开头的其他编码",
    "录入1-3个编码时只显示对应的单字而不显示词组",
    "默认按；键切换至临时英文状态，详见帮助",
    "按‘键切换至快捷短语录入状态",
    "按Shift+字母自动切换至临时英文状态",
    "录入www.或http时朔云自动切换至英文录入状态",
    "详见帮助“快捷命令”部分",
    "启用时按“/”输出“、”,否则输出“/”",
    "单字与词组重码允许删除此单字",
    "朔云会根据录入内容提示一些相关语句",
    "录入过的内容再次录入时可按词组方式录入，详见帮助",
    "被选择的自动词组自动储存到用户码表中，详见帮助",
    "如不选只有以单字录入的内容才能当作自动词组，详见帮助",
    "允许用Shift+Space键切换全半角字符设置",
    "选中时禁用除在线调序快捷键以外其它ctrl相关的快捷键",
    "选中时z键做为编码，否则重复最近一次录入的内容",
    "选中在线删词键为Ctrl+Shift+序号,否则为Shift+序号",
    "出错或有重码进报报警提示",
    "不管有无音箱都用扬声器报警",
    "值越大声音越尖锐",
    "是否在汉字候选窗显示常用操作提示",
    "汉字候选窗将使用背景图",
    "汉字候选窗显示于光标附近,否则固定于屏幕底部",
    "状态栏固定于当前活动窗口的右上角",
    "打开朔云时是否显示输入法状态栏",
    "启用时。用于向前翻页，向后翻页",
    "启用时；选第2重码’选第3重码",
    "启用时，选第2重码，选第3重码",
    "启用时左Shift选第2重码，右Shift选第3重码",
    "启用时可在纯五笔状态下临时录入拼音",
};

constexpr bool texts_fit_slots() {
  for (const char* text : HINT_TEXTS) {
    int length = 0;
    while (text[length]) ++length;
    if (length >= HINT_SLOT_SIZE) return false;
  }
  return true;
}
static_assert(texts_fit_slots(), "a hint text must leave room for its zero in a slot");

// The record without the field that only version 6 of the common controls
// knows, which version 5 would refuse; its size is the one of this
// architecture (64 bytes on x64, 44 on x86), not a constant from 32-bit days.
const UINT TOOL_RECORD_SIZE = TTTOOLINFOA_V2_SIZE;

}  // namespace

void settings_form::create_hint_window() {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&classes);
  hint_window = CreateWindowExA(0, TOOLTIPS_CLASSA, "", 0, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, settings_window.handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
}

void settings_form::store_hint_texts() {
  for (int i = 0; i < HINT_COUNT; ++i) lstrcpynA(hint_slots[i], HINT_TEXTS[i], HINT_SLOT_SIZE);
}

// Every mouse movement over a control arrives here, but each control becomes
// one tool only once: adding it again on every movement would grow the
// tooltip window's list for as long as the dialog stays open.
void settings_form::register_hint(HWND window) {
  const int hint = control(window).tag();
  if (hint < 1 || hint > HINT_COUNT || !hint_window) return;

  TOOLINFOA tool{};
  tool.cbSize = TOOL_RECORD_SIZE;
  tool.hwnd = window;
  tool.uId = 0;
  char known_text[2 * HINT_SLOT_SIZE] = {};  // the query copies the tool's text here
  tool.lpszText = known_text;
  if (SendMessageA(hint_window, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool))) return;

  tool = TOOLINFOA{};
  tool.cbSize = TOOL_RECORD_SIZE;
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = window;
  tool.uId = 0;
  GetClientRect(window, &tool.rect);
  tool.lpszText = hint_slots[hint - 1];
  SendMessageA(hint_window, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void settings_form::destroy_hint_window() {
  if (hint_window) DestroyWindow(hint_window);
  hint_window = nullptr;
}

}  // namespace sy
