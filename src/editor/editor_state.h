#pragma once
// What the editor's tools work with besides the canvas: the chosen tool, colour and pen width,
// the text settings, and what a drag leaves over the canvas (the selection, the rubber-band line,
// the text preview's place). One editor owns it; its windows read it, the tools change it.
// Coordinates are canvas twips.
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
    // The rubber-band line from its start to its end.
    std::optional<std::pair<TwipsPoint, TwipsPoint>> line;
    Colour line_colour = 0;
    int line_width = 10;
    // The text preview's top-left corner.
    std::optional<TwipsPoint> text_at;
    Colour text_colour = 0;
    bool operator==(const Overlay&) const = default;
};

struct EditorState {
    ToolKind tool = ToolKind::pencil;
    Colour colour = rgb(0, 0, 0);
    int width = 10;  // pixels
    TextSettings text;
    Overlay overlay;
    // A button is held on the canvas: moves draw.
    bool pressed = false;
};

}  // namespace vis
