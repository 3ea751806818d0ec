#include "DobleControlInforme.h"

#include "platform/db/Connection.h"
#include "platform/db/ConnectionString.h"
#include "platform/report/ErroresInforme.h"
#include "platform/report/MotorInforme.h"
#include "platform/vb/VbError.h"

#include <gtest/gtest.h>

namespace dobles {

namespace {

QString Booleano(bool valor)
{
    return valor ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace

QList<QMap<QString, db::Value>> ImpresionGrabada::filas(const QString& tabla) const
{
    for (auto it = tablas.cbegin(); it != tablas.cend(); ++it) {
        if (it.key().compare(tabla, Qt::CaseInsensitive) == 0)
            return it.value();
    }
    return {};
}

QString ImpresionGrabada::texto(const QString& tabla, int fila, const QString& campo) const
{
    const auto lista = filas(tabla);
    if (fila < 0 || fila >= lista.size()) {
        ADD_FAILURE() << "La tabla " << tabla.toStdString() << " no tenía la fila " << fila;
        return {};
    }
    for (auto it = lista[fila].cbegin(); it != lista[fila].cend(); ++it) {
        if (it.key().compare(campo, Qt::CaseInsensitive) == 0)
            return it.value().toString();
    }
    ADD_FAILURE() << "La tabla " << tabla.toStdString() << " no tiene el campo " << campo.toStdString();
    return {};
}

void DobleControlInforme::fallarProximaImpresion(long numero, const QString& texto)
{
    m_errorPendiente = numero;
    m_textoPendiente = texto;
}

const ImpresionGrabada& DobleControlInforme::ultima() const
{
    static const ImpresionGrabada ninguna;
    if (m_impresiones.isEmpty()) {
        ADD_FAILURE() << "No se ha impreso nada";
        return ninguna;
    }
    return m_impresiones.back();
}

ImpresionGrabada DobleControlInforme::grabarAjustes() const
{
    ImpresionGrabada i;
    i.plantilla = ReportFileName();
    i.datos = DataFiles(0);
    i.clave = Password();
    i.titulo = WindowTitle();
    i.ajuste24 = EngineSetting24();
    i.ajuste67 = EngineSetting67();
    i.ajuste122 = EngineSetting122();
    i.ajuste124 = EngineSetting124();
    i.margenSuperior = MarginTop();
    i.margenIzquierdo = MarginLeft();
    i.margenInferior = MarginBottom();
    i.margenDerecho = MarginRight();
    for (int n = 0; n < kEntradasLista; ++n) {
        if (!Formulas(n).isEmpty())
            i.formulas.insert(n, Formulas(n));
        if (!SortFields(n).isEmpty())
            i.orden.insert(n, SortFields(n));
    }
    return i;
}

void DobleControlInforme::grabarTablas(ImpresionGrabada& impresion) const
{
    const QString ruta = report::ResolverArchivo(impresion.datos);
    if (ruta.isEmpty())
        return;
    const QString clave = impresion.clave.startsWith(u'\n') ? impresion.clave.mid(1) : impresion.clave;
    db::Connection con;
    try {
        con.Open(db::ConnectionString::forFile(ruta, clave), true);
    } catch (const vb::VbError& e) {
        report::err::Lanzar(report::err::BaseDatos, {ruta, e.description()});
    }
    db::Recordset nombres = con.Query(QStringLiteral("SELECT name FROM sqlite_master WHERE type = ? AND name NOT LIKE ?"),
                                      {"table", "sqlite_*"});
    for (; !nombres.EOF_(); nombres.MoveNext()) {
        const QString tabla = nombres.value(0).toString();
        if (tabla.startsWith(QLatin1String("__duz")))
            continue;
        db::Recordset rs = con.Execute(QStringLiteral("SELECT * FROM [%1]").arg(tabla));
        QList<QMap<QString, db::Value>> filas;
        for (; !rs.EOF_(); rs.MoveNext()) {
            QMap<QString, db::Value> fila;
            for (int c = 0; c < rs.Fields().Count(); ++c)
                fila.insert(rs.Fields()[c].Name(), rs.value(c));
            filas << fila;
        }
        if (!filas.isEmpty())
            impresion.tablas.insert(tabla, filas);
    }
}

void DobleControlInforme::PrintReport()
{
    anotar(QStringLiteral("PrintReport()"));
    empezarEjecucion();
    ImpresionGrabada impresion = grabarAjustes();
    try {
        grabarTablas(impresion);
    } catch (const vb::VbError& e) {
        fijarError(e.number(), e.description());
    }
    m_impresiones << impresion;
    if (m_errorPendiente != 0) {
        fijarError(m_errorPendiente, m_textoPendiente);
        m_errorPendiente = 0;
    }
}

void DobleControlInforme::setLastErrorNumber(long numero)
{
    anotar(QStringLiteral("setLastErrorNumber(%1)").arg(numero));
    ControlInformeBase::setLastErrorNumber(numero);
}

void DobleControlInforme::setLastErrorString(const QString& texto)
{
    anotar(QStringLiteral("setLastErrorString(%1)").arg(texto));
    ControlInformeBase::setLastErrorString(texto);
}

void DobleControlInforme::setReportFileName(const QString& archivo)
{
    anotar(QStringLiteral("setReportFileName(%1)").arg(archivo));
    ControlInformeBase::setReportFileName(archivo);
}

void DobleControlInforme::setDataFiles(int indice, const QString& archivo)
{
    anotar(QStringLiteral("setDataFiles(%1, %2)").arg(indice).arg(archivo));
    ControlInformeBase::setDataFiles(indice, archivo);
}

void DobleControlInforme::setPassword(const QString& clave)
{
    anotar(QStringLiteral("setPassword(%1)").arg(clave));
    ControlInformeBase::setPassword(clave);
}

void DobleControlInforme::setWindowTitle(const QString& titulo)
{
    anotar(QStringLiteral("setWindowTitle(%1)").arg(titulo));
    ControlInformeBase::setWindowTitle(titulo);
}

void DobleControlInforme::setEngineSetting24(qint32 valor)
{
    anotar(QStringLiteral("setEngineSetting24(%1)").arg(valor));
    ControlInformeBase::setEngineSetting24(valor);
}

void DobleControlInforme::setEngineSetting67(qint32 valor)
{
    anotar(QStringLiteral("setEngineSetting67(%1)").arg(valor));
    ControlInformeBase::setEngineSetting67(valor);
}

void DobleControlInforme::setEngineSetting122(bool valor)
{
    anotar(QStringLiteral("setEngineSetting122(%1)").arg(Booleano(valor)));
    ControlInformeBase::setEngineSetting122(valor);
}

void DobleControlInforme::setEngineSetting124(bool valor)
{
    anotar(QStringLiteral("setEngineSetting124(%1)").arg(Booleano(valor)));
    ControlInformeBase::setEngineSetting124(valor);
}

void DobleControlInforme::setMarginTop(qint16 twips)
{
    anotar(QStringLiteral("setMarginTop(%1)").arg(twips));
    ControlInformeBase::setMarginTop(twips);
}

void DobleControlInforme::setMarginLeft(qint16 twips)
{
    anotar(QStringLiteral("setMarginLeft(%1)").arg(twips));
    ControlInformeBase::setMarginLeft(twips);
}

void DobleControlInforme::setMarginBottom(qint16 twips)
{
    anotar(QStringLiteral("setMarginBottom(%1)").arg(twips));
    ControlInformeBase::setMarginBottom(twips);
}

void DobleControlInforme::setMarginRight(qint16 twips)
{
    anotar(QStringLiteral("setMarginRight(%1)").arg(twips));
    ControlInformeBase::setMarginRight(twips);
}

void DobleControlInforme::setFormulas(int indice, const QString& formula)
{
    anotar(QStringLiteral("setFormulas(%1, %2)").arg(indice).arg(formula));
    ControlInformeBase::setFormulas(indice, formula);
}

void DobleControlInforme::setSortFields(int indice, const QString& campo)
{
    anotar(QStringLiteral("setSortFields(%1, %2)").arg(indice).arg(campo));
    ControlInformeBase::setSortFields(indice, campo);
}

} // namespace dobles
