#pragma once

#include <QStringList>

namespace db {
class Connection;
}

// The preparation of an upgrade step, run inside the step's transaction so
// that a failed step undoes it too: the retired tables are dropped, the seed
// tables emptied and their counters set back, so that the seed rows written
// next without keys receive the ids 1, 2, 3 ... again. Tables that do not
// exist are passed over; any other failure is thrown.
void PrepararPaso(db::Connection& conLocal, const QStringList& tablasABorrar, const QStringList& tablasAVaciar);
