#include "platform/win32/bit_btn_peer.h"

#include <uxtheme.h>
#include <vssym32.h>

#include "platform/win32/form_window.h"
#include "platform/windows/wide_text.h"

namespace quirevo {

namespace {

constexpr int kGlyphSpacing = 4;  // between glyph and caption, in design pixels

// The button's face: the visual style's push button where one is active, else the classic frame.
void drawFace(const DRAWITEMSTRUCT& item, bool pressed, bool enabled, bool focused) {
  RECT face = item.rcItem;
  if (HTHEME theme = IsAppThemed() ? OpenThemeData(item.hwndItem, L"BUTTON") : nullptr) {
    const int state = !enabled  ? PBS_DISABLED
                      : pressed ? PBS_PRESSED
                      : focused ? PBS_DEFAULTED
                                : PBS_NORMAL;
    DrawThemeParentBackground(item.hwndItem, item.hDC, &face);
    DrawThemeBackground(theme, item.hDC, BP_PUSHBUTTON, state, &face, nullptr);
    CloseThemeData(theme);
    return;
  }
  FillRect(item.hDC, &face, GetSysColorBrush(COLOR_BTNFACE));
  DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
}

}  // namespace

BitBtnPeer::BitBtnPeer(BitBtn& button, FormWindow& window)
    : Win32Peer(button, window), button_(button), glyph_(window.instance(), button.glyph()) {
  create(L"BUTTON", BS_OWNERDRAW);
  attach();
}

void BitBtnPeer::kindPropertyChanged(Property) {}

void BitBtnPeer::command(WORD code) {
  if ((code == BN_CLICKED || code == BN_DOUBLECLICKED) && !updating()) {
    button_.userClick();
  }
}

void BitBtnPeer::drawItem(const DRAWITEMSTRUCT& item) {
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool enabled = (item.itemState & ODS_DISABLED) == 0;
  const bool focused = (item.itemState & ODS_FOCUS) != 0;
  drawFace(item, pressed, enabled, focused);

  const DpiScale scale = window().scale();
  const HDC dc = item.hDC;
  const SelectedObject font(dc, window().font(button_.font()));
  const std::wstring caption = toWide(button_.caption());
  RECT textSize{0, 0, 0, 0};
  DrawTextW(dc, caption.c_str(), -1, &textSize, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);

  // Glyph and caption are centred together; a pressed button moves its contents by a pixel.
  const int glyphSize = scale(GlyphBitmap::kSize);
  const int spacing = caption.empty() ? 0 : scale(kGlyphSpacing);
  const int width = glyphSize + spacing + (textSize.right - textSize.left);
  const int offset = pressed ? 1 : 0;
  const int left = item.rcItem.left + (item.rcItem.right - item.rcItem.left - width) / 2 + offset;
  const int middle = (item.rcItem.top + item.rcItem.bottom) / 2 + offset;
  glyph_.draw(dc, left, middle - glyphSize / 2, glyphSize, enabled);

  RECT text{left + glyphSize + spacing, item.rcItem.top + offset, item.rcItem.right,
            item.rcItem.bottom + offset};
  SetBkMode(dc, TRANSPARENT);
  constexpr UINT kFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
  if (enabled) {
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextW(dc, caption.c_str(), -1, &text, kFormat);
  } else {
    // Engraved, as disabled captions of the classic look are.
    RECT highlight = text;
    OffsetRect(&highlight, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextW(dc, caption.c_str(), -1, &highlight, kFormat);
    SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    DrawTextW(dc, caption.c_str(), -1, &text, kFormat);
  }
  if (focused && (item.itemState & ODS_NOFOCUSRECT) == 0) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -scale(4), -scale(4));
    DrawFocusRect(dc, &focus);
  }
}

}  // namespace quirevo
