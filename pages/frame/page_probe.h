// What scripts and tests ask of an open page: the plain text of what it shows
// and where one of its character cells lies.
#pragma once

#include <string>

#include "pages/frame/page_classes.h"
#include "platform/window/win_types.h"

// The page's layout written as the plain-text copy writes it (Windows-1252,
// CR LF line ends, no terminating NUL); empty while the page has no builder.
[[nodiscard]] std::string PagePlainText(PageClass page);

// The client point at the middle of character cell `column` of layout line
// `line` as the page is scrolled now.
[[nodiscard]] win::POINT PageCellPoint(PageClass page, win::HWND hwnd, int column, int line);
