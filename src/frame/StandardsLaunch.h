#pragma once
// Launch points of the standards evaluation: a request is evaluated by a dialog borrowed from
// the pool and copied back only when the evaluation succeeded.
class KvDlgStandardsData;

bool StartDlgStandardsSS(KvDlgStandardsData& data);
// A fixed sample request: "c:\\a\\a\\a\\test.kvs" with Column and Thickness as inputs and
// Width and Length as outputs.
bool StartDlgStandardsSStest();
// The request the sample call evaluates.
KvDlgStandardsData standardsSampleRequest();
