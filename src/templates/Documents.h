#pragma once
// The four printed documents, each in its template window, under the short names the
// program's tools and tests use: vat, rr, bill, transfer.
#include "templates/Unit2.h"
#include "templates/Unit3.h"
#include "templates/Unit4.h"
#include "templates/Unit9.h"

#include <QStringView>
#include <array>

namespace templates {

struct Documents {
    TFormVat vat;
    TFaktura_RR rr;
    TFormRachunek bill;
    TPoczta transfer;

    static constexpr std::array<const char*, 4> names = {"vat", "rr", "bill", "transfer"};

    // The report of a document by its short name; nullptr for any other name. (The transfer
    // sheet needs TPoczta::CopyFormPicture() before it is composed, as the main window does.)
    report::TReport* byName(QStringView name) {
        if (name == u"vat")
            return &vat.Report1;
        if (name == u"rr")
            return &rr.Report1;
        if (name == u"bill")
            return &bill.Report1;
        if (name == u"transfer")
            return &transfer.Report1;
        return nullptr;
    }
};

} // namespace templates
