#pragma once
// The printed chart wheel, drawn straight on the printer (or PDF) surface in
// the page's own coordinates, whatever size or state the wheel window has:
// the full page (the printer paint with its header and personal header) or
// the half page (the window's wheel in black and white across the top half).

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "wheels/WheelPaint.h"

class QPrinter;

namespace orv {

// The PDF proposed when no printer is installed.
inline constexpr std::string_view kWheelPdfName = "REPORTS\\WHEEL.PDF";

enum class WheelPrintKind { FullPage, HalfPage };

// Prints the wheel of `in` on one sheet of `printer`, which is not begun
// yet. `personalHeader` gives PERSONAL.NAM's lines for the full page. With
// `paint`, from its kept plan where that was fitted for the same. False
// when the printer cannot be started.
bool PrintWheelPage(QPrinter& printer, const WheelPaintInputs& in, WheelPrintKind kind,
                    const std::function<std::optional<std::vector<std::string>>()>& personalHeader,
                    WheelPaint* paint = nullptr);

}  // namespace orv
