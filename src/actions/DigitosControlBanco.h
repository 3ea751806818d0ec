#pragma once

#include <QtGlobal>

namespace db {
class Connection;
}
namespace PVAPI {
class cDuzediv;
}

// Computes again the control digits (`DC`) of every account of bank
// `lngIDBanco`, after its codes changed, under the shared progress window of
// `servicio`. All accounts are written in one transaction: a failure leaves
// every account as it was and reaches the caller. Accounts whose codes give
// no control digits keep theirs and are named to the user in one message,
// after the progress window has closed; the window is closed on every path.
void RecalcularDigitosControl(db::Connection& conLocal, PVAPI::cDuzediv& servicio, qint32 lngIDBanco);
