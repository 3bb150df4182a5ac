#pragma once
// The pooled standards dialog that really calculates: a hidden window whose grid replaces
// the placeholder control and evaluates the request it is lent with.
#include "frame/KvSSPooledDlg.h"
#include "standards/KvStandardsSpread.h"

class KvStandardsDlg : public KvSSPooledDlg {
public:
    using KvSSPooledDlg::KvSSPooledDlg;

    BOOL OnInitDialog() override;
    // eInvalidInput when the grid could not be placed or any stage of the evaluation failed.
    Acad::ErrorStatus evaluate() override;

    KvStandardsSpread& spread() { return sheet; }

private:
    KvStandardsSpread sheet;
};

// Makes the pool lend calculating dialogs and lets spreadsheets run their children through
// the pool. Called when the module loads.
void installStandardsEngine();
