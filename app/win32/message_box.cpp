#include "app/win32/message_box.hpp"

#include "app/win32/wide_text.hpp"

namespace vandrelle::app::win32 {

int show_prompt(HWND owner, std::u16string_view prompt, std::u16string_view title, UINT icon) {
    // Views need not end in a null; the box needs both texts to.
    const std::wstring prompt_text = to_wide(prompt);
    const std::wstring title_text = to_wide(title);
    return MessageBoxW(owner, prompt_text.c_str(), title_text.c_str(), MB_OK | icon);
}

}  // namespace vandrelle::app::win32
