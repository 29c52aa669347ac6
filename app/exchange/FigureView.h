#pragma once

class CZelkData;
class ctlZelkView;

// Hands a figure to a view control: its extents (as texts, the control's own surface),
// then every line as numbers. The main view, the thumbnails, the exports and the command
// line all fill their views this one way.
class FigureView {
public:
    static void Send(const CZelkData& figure, ctlZelkView& view);
};
