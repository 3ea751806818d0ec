#pragma once

#include <QString>
#include <QTemporaryDir>

// A fresh data folder shared by the processes of one test: the lock files go
// here, beside a small data file "Datos.mdb" whose rows the key SELECTs read:
// Empresa 1 and 2; Padron 1 to 3; Contab_Enlace_Bancos (1, 23, 5) and
// (12, 3, 5), whose digits glued together would be the same number; and one
// Contab_Enlace_Institucion row without a company.
class LockTestFolder {
public:
    LockTestFolder();

    bool isValid() const { return m_dir.isValid() && m_dataOk; }
    QString path() const { return m_dir.path(); }
    QString dataFile() const { return m_dir.filePath(QStringLiteral("Datos.mdb")); }
    QString lockDatabase() const;

private:
    QTemporaryDir m_dir;
    bool m_dataOk = false;
};
