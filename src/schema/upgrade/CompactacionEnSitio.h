#pragma once

namespace db {
class Connection;
}

// Compacts the database of an open connection in place, outside any
// transaction: the connection is closed, the file compacted into a verified
// copy that then replaces it in one step, and the connection opened again
// with its own connection string. A failed compaction leaves the live file
// as it was and is answered with false; the connection is opened again in
// every case, and only a failure to reopen it is thrown.
bool CompactarEnSitio(db::Connection& con);
