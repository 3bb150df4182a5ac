#pragma once
// Keeps a sheet from redrawing while a dialog fills it: redraw (option 8) goes off when the
// guard is bound and back on when it ends, on every way out of the scope.
class Mdx_Spread;

class RedrawGuard {
public:
    explicit RedrawGuard(Mdx_Spread& sheet);
    ~RedrawGuard();
    RedrawGuard(const RedrawGuard&) = delete;
    RedrawGuard& operator=(const RedrawGuard&) = delete;

private:
    Mdx_Spread& m_sheet;
};
