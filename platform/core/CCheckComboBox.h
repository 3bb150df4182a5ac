#pragma once
// A drop-down list whose items carry check boxes. Picking an item in the open list ticks or
// clears its box (the list then reports the pick as usual, CBN_SELCHANGE); the closed combo
// shows the texts of the ticked items, joined by ", ". Scripts tick an item by selecting it
// (win::user::select), as a person clicks it in the open list.
#include <vector>

#include "core/Mdx_StringArray.h"
#include "win/CComboBox.h"

class CCheckComboBox : public CComboBox {
public:
    // -1 for an index that is not an item.
    int GetCheck(int index) const;
    // False for an index that is not an item.
    bool SetCheck(int index, bool checked = true);
    void CheckAll(bool checked = true);
    // The ticked items' indices and texts, in item order.
    std::vector<int> GetCheckedItems() const;
    Mdx_StringArray GetCheckedTexts() const;
    // What the closed combo shows: the ticked texts joined by ", ".
    Mdx_String GetCheckedText() const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;

private:
    void syncItems(UINT message, WPARAM wParam, LRESULT result);
    std::vector<bool> m_checks;  // one per item
};
