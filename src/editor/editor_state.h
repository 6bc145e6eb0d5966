#pragma once
// Placeholder of the annotation editor until it lands: what an open session keeps of it (the
// carried settings, the current tool, the annotations in overlay coordinates and, in a pin
// edit, the edited list once it is finished).
#include <cstdint>
#include <optional>
#include <vector>

#include "annot/tool.h"
#include "editor/tool_settings.h"
#include "util/geometry.h"

struct AnnotationPoint {
    float x = 0, y = 0;
    friend bool operator==(const AnnotationPoint&, const AnnotationPoint&) = default;
};

// The part of an annotation that a session moves between pin and overlay coordinates.
struct SessionAnnotation {
    std::vector<AnnotationPoint> points;
    friend bool operator==(const SessionAnnotation&, const SessionAnnotation&) = default;
};

struct EditorState {
    ToolSettings tools;
    Tool tool = Tool::None;
    bool dirty = false;
    float scale = 1.0f;
    std::vector<SessionAnnotation> annotations;
    std::optional<Rect> selection;
    // A pin edit's result, in overlay coordinates; none while unfinished or when cancelled.
    std::optional<std::vector<SessionAnnotation>> edited;
};
