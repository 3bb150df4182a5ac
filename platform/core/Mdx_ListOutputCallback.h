#pragma once
// The receiving end of the core library's list output: the bill engine walks a bill and
// calls these in order: onStartFeed, any mix of onAddRow / onAddSubTotals (and onNewPage,
// onAddSeperation), onEndFeed. Every call does nothing here; outputs override what they use.
#include "core/Mdx_StringArray.h"
#include "host/AcadErrorStatus.h"

class Mdx_ListOutputCallback {
public:
    Mdx_ListOutputCallback() = default;
    Mdx_ListOutputCallback(const Mdx_ListOutputCallback&) = default;
    Mdx_ListOutputCallback& operator=(const Mdx_ListOutputCallback&) = default;
    virtual ~Mdx_ListOutputCallback() = default;

    virtual Acad::ErrorStatus onStartFeed() { return Acad::eOk; }
    virtual Acad::ErrorStatus onEndFeed() { return Acad::eOk; }
    virtual Acad::ErrorStatus onNewPage() { return Acad::eOk; }
    // The cell texts of one row of the bill.
    virtual void onAddRow(const Mdx_StringArray& texts) { (void)texts; }
    // The subtotal texts of a group (empty where a column has no subtotal); the group's key
    // texts, whether it is the grand total and its level.
    virtual void onAddSubTotals(const Mdx_StringArray& texts, const Mdx_StringArray& keys,
                                bool grandTotal, int level) {
        (void)texts, (void)keys, (void)grandTotal, (void)level;
    }
    virtual void onAddSeperation(int kind) { (void)kind; }
};
