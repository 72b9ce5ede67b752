#pragma once
// The editor's tools, the text dialog's choices, and what a drag leaves over the canvas (the
// selection, the rubber-band line, the text preview's place). Coordinates are canvas twips.
#include <optional>
#include <string>

#include "ui/colour.h"
#include "ui/control.h"
#include "ui/font.h"

namespace vis {

// The tools the pointer works with, by the codes the current-tool picture's tag shows.
enum class ToolKind { select = 0, pencil = 1, line = 3, text = 5 };

struct TwipsPoint {
    int x = 0;
    int y = 0;
    bool operator==(const TwipsPoint&) const = default;
};

// The text dialog's choices: what to print, and in which font, size and style, and whether with
// an outline in black or white around it.
struct TextSettings {
    std::string text;
    Font font;
    bool outline = false;
    bool operator==(const TextSettings&) const = default;
};

// What the window draws over the canvas.
struct Overlay {
    std::optional<Rect> selection;
    Colour selection_colour = 0;
    // The rubber-band line from its start to its end, as wide as the pen.
    std::optional<std::pair<TwipsPoint, TwipsPoint>> line;
    Colour line_colour = 0;
    // The text preview's top-left corner.
    std::optional<TwipsPoint> text_at;
    Colour text_colour = 0;
    bool operator==(const Overlay&) const = default;
};

}  // namespace vis
