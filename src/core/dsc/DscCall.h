#pragma once

#include "core/text/ShortText.h"

// One DSC call: the 17 fields a datagram carries, each a short text of its
// field's maximum length. The field names are the datagram's keys.
struct DscCall
{
    ShortText<12> TXMMSI;
    ShortText<12> RXMMSI;
    ShortText<12> FORMAT;
    ShortText<12> CATEGORY;
    ShortText<12> INFO1;
    ShortText<2> DANGER;
    ShortText<2> LATD;
    ShortText<2> LATM;
    ShortText<3> LATC;
    ShortText<1> NS;
    ShortText<3> LOND;
    ShortText<2> LONM;
    ShortText<3> LONC;
    ShortText<1> EW;
    ShortText<10> TIME;
    ShortText<2> CH;
    ShortText<1> COMPLY;

    friend bool operator==(const DscCall &, const DscCall &) = default;
};
