// valuelabels.h - value labels: a number framed by the two value tags (VALTXT), placed and
// turned by the value attributes (VALATT).  GRAVAL labels a data set with them; the chart
// value routines compute their own anchor points and then lay out and draw each label with
// the same routines.
//
// Use: graphBeginValueLabels once per call (sets the text angle a6 and measures both tags),
// then per value graphFormatValueNumber and graphDrawValueLabel at the anchor point.
#ifndef PLOTLIB_GRAPHS_VALUELABELS_H
#define PLOTLIB_GRAPHS_VALUELABELS_H

namespace plotlib {

// Extents e1 (width along the baseline), e3 (full height) and e4 (height above the
// baseline) of one part of a label.
struct ValueLabelPart {
    float e1, e3, e4;
};

// What one call measures once: both tags, and the direction of the text.
struct ValueLabelLayout {
    ValueLabelPart tag[2];
    float cosine, sine;  // of the text angle a6
};

// The number of one label: its text (blank filled), its used length.
struct ValueLabelNumber {
    char text[30];
    int length;
};

// Sets the kernel text angle to a6 and measures both value tags over their trimmed lengths.
void graphBeginValueLabels(ValueLabelLayout& layout);

// Formats `value` for axis n (1 x, 2 y) as a label number: scaled by the axis's digits word
// and shown with the decimals graphFormatValueLabel chooses; a whole-number label moves the
// value 0.1 away from zero and rounds halves away from zero.  The value is taken by copy.
void graphFormatValueNumber(float value, int n, ValueLabelNumber& number);

// Lays out and draws one label (tag 1, number, tag 2) whose anchor is the kernel point
// (x, y), moved already by the placement codes a1 and a2: moves by (a4, a5), across the text
// direction by a7 and along it by a8, then draws the three parts one after another.
void graphDrawValueLabel(const ValueLabelLayout& layout, const ValueLabelNumber& number, float x,
                         float y);

// Labels of the n points of a data set: the y values when selector is 2, else the x values.
void graphDrawValueLabels(const float* x, const float* y, int n, int selector);

}  // namespace plotlib

#endif
