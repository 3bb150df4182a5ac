#pragma once
// The options of an exchange in the CIS/2 format; what each means is the caller's.
class KvDlgCis2Data {
public:
    KvDlgCis2Data() = default;
    KvDlgCis2Data(const KvDlgCis2Data&) = default;
    KvDlgCis2Data& operator=(const KvDlgCis2Data&) = default;
    virtual ~KvDlgCis2Data() = default;

    bool first = true;
    bool second = true;
    bool third = false;
    bool fourth = false;
    bool fifth = false;
};
