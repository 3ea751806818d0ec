// Commands (answer in brackets):
//   iniciar <folder>                 Inicializar                     [ok]
//   datos <file>                     opens the data connection       [ok]
//   tabla <T>                        whole-table lock                [ok]
//   claves <T> <select>              records whose keys the SELECT yields [ok]
//   registro <T> <key> <0|1> <select> one record, partial or not, checked [ok]
//   tomar | probar                   lngEfectuarBloqueos (probar: test only) [resultado N]
//   liberar                          LiberarBloqueos                 [ok]
//   entrada                          EstablecerBloqueoEntradaAplicacion [ok]
//   hayentrada                       blnComprobarBloqueoEntradaAplicacion [si|no]
//   exclusivo <file>                 blnComprobarAccesoExclusivo     [si|no]
//   salir                            ends normally                   [adios]
// Any failure answers "error <number> <description>".
#include "platform/db/Connection.h"
#include "platform/locks/cProcesarBloqueos.h"
#include "platform/locks/cUtilidadesBD.h"
#include "platform/vb/VbError.h"

#include <QString>
#include <QStringList>

#include <iostream>
#include <string>

namespace {

struct Helper {
    PVAPI::cProcesarBloqueos bloqueos;
    db::Connection datos;

    static QString yesNo(bool value) { return value ? QStringLiteral("si") : QStringLiteral("no"); }

    QString run(const QString& command, const QString& rest)
    {
        const QStringList words = rest.split(QLatin1Char(' '));
        if (command == u"iniciar") {
            bloqueos.Inicializar(rest);
        } else if (command == u"datos") {
            datos.Open(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + rest);
        } else if (command == u"tabla") {
            bloqueos.DefinirBloqueo(rest, true);
        } else if (command == u"claves") {
            bloqueos.DefinirBloqueo(words.value(0), datos, rest.section(QLatin1Char(' '), 1));
        } else if (command == u"registro") {
            bloqueos.DefinirBloqueo({.strTabla = words.value(0),
                                     .conBD = &datos,
                                     .strRegistro = words.value(1),
                                     .blnBloqueoParcialRegistro = words.value(2) == u"1",
                                     .blnComprobarExisteRegistro = true,
                                     .strSQLExisteRegistro = rest.section(QLatin1Char(' '), 3)});
        } else if (command == u"tomar" || command == u"probar") {
            return QStringLiteral("resultado %1").arg(bloqueos.lngEfectuarBloqueos(command == u"probar"));
        } else if (command == u"liberar") {
            bloqueos.LiberarBloqueos();
        } else if (command == u"entrada") {
            bloqueos.EstablecerBloqueoEntradaAplicacion();
        } else if (command == u"hayentrada") {
            return yesNo(bloqueos.blnComprobarBloqueoEntradaAplicacion());
        } else if (command == u"exclusivo") {
            return yesNo(PVAPI::cUtilidadesBD().blnComprobarAccesoExclusivo(rest, datos));
        } else {
            return QStringLiteral("error 0 orden desconocida: ") + command;
        }
        return QStringLiteral("ok");
    }
};

} // namespace

int main()
{
    Helper helper;
    std::string line;
    while (std::getline(std::cin, line)) {
        const QString text = QString::fromStdString(line).trimmed();
        const QString command = text.section(QLatin1Char(' '), 0, 0);
        const QString rest = text.section(QLatin1Char(' '), 1);
        if (command == u"salir") {
            std::cout << "adios" << std::endl;
            return 0;
        }
        QString answer;
        try {
            answer = helper.run(command, rest);
        } catch (const vb::VbError& error) {
            answer = QStringLiteral("error %1 %2").arg(error.number()).arg(error.description());
        }
        std::cout << answer.toStdString() << std::endl;
    }
    return 0;
}
