#include "PVGestionParroquial/DocumentosParroquia.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"
#include "platform/ui/Ui.h"
#include "platform/vb/Fechas.h"

#include <QDate>
#include <QPair>
#include <QStringList>

namespace documentos_parroquia {

namespace {

QString L(const char* texto)
{
    return QString::fromUtf8(texto);
}

QString Texto(const db::Recordset& rs, const QString& campo)
{
    const db::Value v = rs.value(campo);
    return v.isNull() ? QString() : v.toString();
}

QString NombreCompleto(const db::Recordset& rs, const QString& prefijo)
{
    QStringList partes;
    for (const char* c : {"Nombre", "PrimerApellido", "SegundoApellido"}) {
        const QString t = Texto(rs, prefijo + QString::fromLatin1(c)).trimmed();
        if (!t.isEmpty())
            partes << t;
    }
    return partes.join(QLatin1Char(' '));
}

// The index letter of a surname: its first letter without accent ("Í" is
// "I"), so a surname files with its letter; "Ñ" keeps its own.
QString Inicial(const QString& apellido)
{
    const QString primera = apellido.left(1).toUpper();
    if (primera == QStringLiteral("Ñ"))
        return primera;
    return primera.normalized(QString::NormalizationForm_D).left(1);
}

struct Definicion {
    QString tablaPartida;  // "Bautismo"
    QString clave;         // "IDBautismo"
    QString tablaLibro;    // "Libro_Bautismo"
    QString claveLibro;    // "IDLibroBautismo"
    QString trabajo;       // "Documentos_Bautismo"
    // Requests are rows of the entry table with `CodLibro` 0 whose parish is
    // `InstitucionSolicitud`; deaths have no requests.
    bool solicitudes;
    // Joins and columns of the person and the entry's own data; the
    // sacrament's date is read as `FechaSacramento`.
    QString columnas;
    QString uniones;
    // Work-table columns of the sacrament's own, each with the column of
    // the read it takes.
    QList<QPair<QString, QString>> propias;
};

Definicion De(Sacramento s)
{
    switch (s) {
    case Sacramento::Bautismo:
        return {L("Bautismo"), L("IDBautismo"), L("Libro_Bautismo"), L("IDLibroBautismo"), L("Documentos_Bautismo"),
                true,
                L("P.FechaBautismo AS FechaSacramento, P.Padrino, P.Madrina, P.Ministro, H.Nombre AS Nombre, "
                  "H.PrimerApellido AS PrimerApellido, H.SegundoApellido AS SegundoApellido, "
                  "PA.Nombre AS PadreNombre, PA.PrimerApellido AS PadrePrimerApellido, "
                  "PA.SegundoApellido AS PadreSegundoApellido, PA.Abuelo AS AbueloPaterno, "
                  "PA.Abuela AS AbuelaPaterna, MA.Nombre AS MadreNombre, MA.PrimerApellido AS MadrePrimerApellido, "
                  "MA.SegundoApellido AS MadreSegundoApellido, MA.Abuelo AS AbueloMaterno, "
                  "MA.Abuela AS AbuelaMaterna, BM.Parroquia AS ParroquiaMatrimonio"),
                L("LEFT JOIN Bautismo_Hijo AS H ON H.CodBautismo = P.IDBautismo "
                  "LEFT JOIN Bautismo_Padres AS PA ON PA.IDPadres = P.CodPadres "
                  "LEFT JOIN Bautismo_Madres AS MA ON MA.IDMadres = P.CodMadres "
                  "LEFT JOIN Bautismo_Matrimonio AS BM ON BM.IDMatrimonio = P.IDBautismo "),
                {{L("FechaBautismo"), L("FechaSacramento")},
                 {L("Padrino"), L("Padrino")},
                 {L("Madrina"), L("Madrina")},
                 {L("Ministro"), L("Ministro")},
                 {L("AbueloPaterno"), L("AbueloPaterno")},
                 {L("AbuelaPaterna"), L("AbuelaPaterna")},
                 {L("AbueloMaterno"), L("AbueloMaterno")},
                 {L("AbuelaMaterna"), L("AbuelaMaterna")},
                 {L("ParroquiaMatrimonio"), L("ParroquiaMatrimonio")}}};
    case Sacramento::Confirmacion:
        return {L("Confirmacion"), L("IDConfirmacion"), L("Libro_Confirmacion"), L("IDLibroConfirmacion"),
                L("Documentos_Confirmacion"), true,
                L("P.Nombre AS Nombre, P.PrimerApellido AS PrimerApellido, P.SegundoApellido AS SegundoApellido, "
                  "P.NombrePadre AS NombrePadre, P.NombreMadre AS NombreMadre, "
                  "CD.FechaConfirmacion AS FechaSacramento, CD.Ministro AS Ministro, CD.Padrino AS Padrino, "
                  "CB.Parroquia AS ParroquiaBautismo, CB.Libro AS LibroBautismo, CB.Folio AS FolioBautismo, "
                  "CB.Numero AS NumeroBautismo, CB.FechaBautismo AS FechaBautismo"),
                L("LEFT JOIN Confirmacion_Datos AS CD ON CD.CodConfirmacion = P.IDConfirmacion "
                  "LEFT JOIN Confirmacion_Bautismo AS CB ON CB.CodConfirmacion = P.IDConfirmacion "),
                {{L("FechaConfirmacion"), L("FechaSacramento")},
                 {L("Ministro"), L("Ministro")},
                 {L("Padrino"), L("Padrino")},
                 {L("ParroquiaBautismo"), L("ParroquiaBautismo")},
                 {L("LibroBautismo"), L("LibroBautismo")},
                 {L("FolioBautismo"), L("FolioBautismo")},
                 {L("NumeroBautismo"), L("NumeroBautismo")},
                 {L("FechaBautismo"), L("FechaBautismo")}}};
    case Sacramento::Defuncion:
        return {L("Defuncion"), L("IDDifunto"), L("Libro_Defuncion"), L("IDLibroDefuncion"),
                L("Documentos_Defuncion"), false,
                L("P.Nombre AS Nombre, P.PrimerApellido AS PrimerApellido, P.SegundoApellido AS SegundoApellido, "
                  "P.NombrePadre AS NombrePadre, P.NombreMadre AS NombreMadre, P.Consorte, P.NombresHijos, "
                  "P.Parroco, DD.FechaDefuncion AS FechaSacramento"),
                L("LEFT JOIN Defuncion_Datos AS DD ON DD.CodDifunto = P.IDDifunto "),
                {{L("Consorte"), L("Consorte")},
                 {L("NombresHijos"), L("NombresHijos")},
                 {L("Parroco"), L("Parroco")},
                 {L("FechaDefuncion"), L("FechaSacramento")}}};
    }
    return {};
}

QString Consulta(const Definicion& d, Alcance alcance)
{
    // A request has no book: its parish is the one that made it. An entry
    // whose book row is gone gives no row, as the book query would.
    const QString parroquia =
        d.solicitudes ? L("IIf(P.CodLibro > 0, L.CodInstitucion, P.InstitucionSolicitud)") : L("L.CodInstitucion");
    const QString conLibro = d.solicitudes ? L(" AND (P.CodLibro = 0 OR L.") + d.claveLibro + L(" IS NOT NULL)")
                                           : L(" AND L.") + d.claveLibro + L(" IS NOT NULL");
    return L("SELECT L.Nombre AS Libro, L.Nuevo AS LibroNuevo, P.Folio, P.Numero, P.Anulada, P.NotasMarginales, "
             "P.Observaciones, I.InstitucionTipo, I.InstitucionNombre, I.Domicilio AS Institucion_Domicilio, "
             "I.CP AS Institucion_CP, M.Nombre AS Institucion_Poblacion, PR.Nombre AS Institucion_Provincia, "
             "I.Diocesis AS Institucion_Diocesis, I.Parroco AS Institucion_Parroco, "
             "I.EncargadoArchivo AS Institucion_Archivo, ") +
           d.columnas + L(" FROM ") + d.tablaPartida + L(" AS P LEFT JOIN ") + d.tablaLibro + L(" AS L ON L.") +
           d.claveLibro + L(" = P.CodLibro ") + d.uniones + L("LEFT JOIN Institucion AS I ON I.IDInstitucion = ") +
           parroquia +
           L(" LEFT JOIN Municipio AS M ON M.IDMunicipio = I.CodMunicipio "
             "LEFT JOIN Provincia AS PR ON PR.IDProvincia = M.CodProvincia WHERE ") +
           (alcance == Alcance::Libro ? L("P.CodLibro = ?") : L("P.") + d.clave + L(" = ?")) + conLibro +
           L(" ORDER BY P.Folio, P.Numero, P.") + d.clave;
}

} // namespace

void Llenar(db::Connection& conLocal, db::Connection& conInformes, Sacramento s, Alcance alcance, qint32 id,
            const QString& firmante, const QString& cargo)
{
    const Definicion d = De(s);
    db::Recordset rs = conLocal.Query(Consulta(d, alcance), {id});
    const QString hoy = vb::DateAFechaTexto(QDate::currentDate());
    QStringList columnas{L("Orden"), L("Libro"), L("LibroNuevo"), L("Folio"), L("Numero"), L("año"), L("letra"),
                         L("Anulada"), L("NotasMarginales"), L("Observaciones"), L("InstitucionTipo"),
                         L("InstitucionNombre"), L("Institucion_Domicilio"), L("Institucion_CP"),
                         L("Institucion_Poblacion"), L("Institucion_Provincia"), L("Institucion_Diocesis"),
                         L("Institucion_Parroco"), L("Nombre"), L("PrimerApellido"), L("SegundoApellido"),
                         L("NombrePadre"), L("NombreMadre"), L("Firmante"), L("CargoFirmante"),
                         L("FechaExpedicion")};
    for (const auto& propia : d.propias)
        columnas << propia.first;
    QStringList marcas;
    for (int i = 0; i < columnas.size(); ++i)
        marcas << L("?");
    const QString insertar = L("INSERT INTO ") + d.trabajo + L(" (") + columnas.join(L(", ")) + L(") VALUES (") +
                             marcas.join(L(", ")) + L(")");

    db::Transaction transaccion(conInformes);
    for (int orden = 1; !rs.isEOF(); rs.MoveNext(), ++orden) {
        const QString primer = Texto(rs, L("PrimerApellido")).trimmed();
        // Documents printed without choosing a signer (slips, request forms)
        // are signed like the notification without book: the parish's
        // priest, else its archivist, else a line to sign by hand.
        const Firma firma = firmante.isEmpty() ? FirmaDeParroquia(Texto(rs, L("Institucion_Parroco")).trimmed(),
                                                                   Texto(rs, L("Institucion_Archivo")).trimmed())
                                               : Firma{firmante, cargo};
        QList<db::Value> valores{orden,
                                 Texto(rs, L("Libro")),
                                 rs.value(L("LibroNuevo")).isNull() ? false : rs.value(L("LibroNuevo")).toBool(),
                                 rs.value(L("Folio")),
                                 Texto(rs, L("Numero")),
                                 Texto(rs, L("FechaSacramento")).left(4),
                                 Inicial(primer),
                                 rs.value(L("Anulada")).isNull() ? false : rs.value(L("Anulada")).toBool(),
                                 Texto(rs, L("NotasMarginales")),
                                 Texto(rs, L("Observaciones")),
                                 Texto(rs, L("InstitucionTipo")),
                                 Texto(rs, L("InstitucionNombre")),
                                 Texto(rs, L("Institucion_Domicilio")),
                                 Texto(rs, L("Institucion_CP")),
                                 Texto(rs, L("Institucion_Poblacion")),
                                 Texto(rs, L("Institucion_Provincia")),
                                 Texto(rs, L("Institucion_Diocesis")),
                                 Texto(rs, L("Institucion_Parroco")),
                                 Texto(rs, L("Nombre")),
                                 Texto(rs, L("PrimerApellido")),
                                 Texto(rs, L("SegundoApellido"))};
        if (s == Sacramento::Bautismo)
            valores << NombreCompleto(rs, L("Padre")) << NombreCompleto(rs, L("Madre"));
        else
            valores << Texto(rs, L("NombrePadre")) << Texto(rs, L("NombreMadre"));
        valores << firma.firmante << firma.cargo << hoy;
        for (const auto& propia : d.propias)
            valores << Texto(rs, propia.second);
        conInformes.Exec(insertar, valores);
    }
    transaccion.Commit();
}

namespace {

// One spouse: name, nationality, civil register and baptism.
void LlenarContrayente(db::Connection& conLocal, db::Connection& conInformes, const QString& quien, qint32 codigo,
                       qint64 documento)
{
    db::Recordset rs = conLocal.Query(
        L("SELECT C.Nombre, C.PrimerApellido, C.SegundoApellido, C.Nacionalidad, R.NombrePadre, R.NombreMadre, "
          "R.EstadoCivil, R.Pagina, B.Parroquia, B.Libro, B.Folio, B.Numero, B.FechaBautismo FROM Matrimonio_%1 AS C "
          "LEFT JOIN Matrimonio_%1_RegCivil AS R ON R.Cod%1 = C.ID%1 "
          "LEFT JOIN Matrimonio_%1_Bautismo AS B ON B.Cod%1 = C.ID%1 WHERE C.ID%1 = ?")
            .arg(quien),
        {codigo});
    if (rs.isEOF())
        return;
    QList<db::Value> valores{documento};
    for (int i = 0; i < 13; ++i)
        valores << (rs.value(i).isNull() ? db::Value(QString()) : db::Value(rs.value(i).toString()));
    conInformes.Exec(L("INSERT INTO Documentos_Matrimonio_%1 (CodDocumentos_Matrimonio, Nombre, PrimerApellido, "
                       "SegundoApellido, Nacionalidad, NombrePadre, NombreMadre, EstadoCivil, PaginaRegistroCivil, "
                       "ParroquiaBautismo, LibroBautismo, FolioBautismo, NumeroBautismo, FechaBautismo) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                         .arg(quien),
                     valores);
}

} // namespace

void LlenarMatrimonio(db::Connection& conLocal, db::Connection& conInformes, Alcance alcance, qint32 id)
{
    db::Recordset rs = conLocal.Query(
        L("SELECT P.IDMatrimonio, P.CodNovios, P.CodNovias, L.Nombre AS Libro, L.Nuevo AS LibroNuevo, P.Folio, "
          "P.Numero, P.Anulada, P.NotasMarginales, P.Observaciones, I.InstitucionTipo, I.InstitucionNombre, "
          "I.Domicilio, I.CP, M.Nombre AS Poblacion, PR.Nombre AS Provincia, I.Diocesis, I.Parroco, "
          "C.FechaMatrimonio, C.HoraMatrimonio, C.Celebrante, C.Padrino, C.Madrina, E.NombreTestigo1, "
          "E.PrimerApellidoTestigo1, E.SegundoApellidoTestigo1, E.NombreTestigo2, E.PrimerApellidoTestigo2, "
          "E.SegundoApellidoTestigo2 FROM Matrimonio AS P "
          "LEFT JOIN Libro_Matrimonio AS L ON L.IDLibroMatrimonio = P.CodLibro "
          "LEFT JOIN Institucion AS I ON I.IDInstitucion = IIf(P.CodLibro > 0, L.CodInstitucion, "
          "P.InstitucionSolicitud) "
          "LEFT JOIN Municipio AS M ON M.IDMunicipio = I.CodMunicipio "
          "LEFT JOIN Provincia AS PR ON PR.IDProvincia = M.CodProvincia "
          "LEFT JOIN Matrimonio_Compromiso AS C ON C.CodMatrimonio = P.IDMatrimonio "
          "LEFT JOIN Matrimonio_Expediente AS E ON E.CodMatrimonio = P.IDMatrimonio WHERE ") +
            (alcance == Alcance::Libro ? L("P.CodLibro = ?") : L("P.IDMatrimonio = ?")) +
            L(" ORDER BY P.Folio, P.Numero, P.IDMatrimonio"),
        {id});
    const QString hoy = vb::DateAFechaTexto(QDate::currentDate());
    const auto t = [&rs](const char* campo) { return Texto(rs, L(campo)); };
    const auto b = [&rs](const char* campo) {
        const db::Value v = rs.value(L(campo));
        return !v.isNull() && v.toBool();
    };
    db::Transaction transaccion(conInformes);
    for (int orden = 1; !rs.isEOF(); rs.MoveNext(), ++orden) {
        conInformes.Exec(
            L("INSERT INTO Documentos_Matrimonio (Orden, Libro, LibroNuevo, Folio, Numero, año, Anulada, "
              "NotasMarginales, Observaciones, InstitucionTipo, InstitucionNombre, Institucion_Domicilio, "
              "Institucion_CP, Institucion_Poblacion, Institucion_Provincia, Institucion_Diocesis, "
              "Institucion_Parroco, FechaMatrimonio, HoraMatrimonio, Celebrante, Padrino, Madrina, "
              "ParroquiaResidenciaNovio, ParroquiaResidenciaNovia, FechaExpedicion) "
              "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {orden, t("Libro"), b("LibroNuevo"), rs.value(L("Folio")), t("Numero"), t("FechaMatrimonio").left(4),
             b("Anulada"), t("NotasMarginales"), t("Observaciones"), t("InstitucionTipo"), t("InstitucionNombre"),
             t("Domicilio"), t("CP"), t("Poblacion"), t("Provincia"), t("Diocesis"), t("Parroco"),
             t("FechaMatrimonio"), t("HoraMatrimonio"), t("Celebrante"), t("Padrino"), t("Madrina"), L("---"),
             L("---"), hoy});
        const qint64 documento = conInformes.LastInsertId();
        LlenarContrayente(conLocal, conInformes, L("Novios"), qint32(rs.value(L("CodNovios")).toInt64()), documento);
        LlenarContrayente(conLocal, conInformes, L("Novias"), qint32(rs.value(L("CodNovias")).toInt64()), documento);
        for (int testigo = 1; testigo <= 2; ++testigo) {
            const QString n = QString::number(testigo);
            const QString nombre = Texto(rs, L("NombreTestigo") + n);
            const QString primer = Texto(rs, L("PrimerApellidoTestigo") + n);
            if (nombre.trimmed().isEmpty() && primer.trimmed().isEmpty())
                continue;
            conInformes.Exec(L("INSERT INTO Documentos_Matrimonio_Otros (CodDocumentos_Matrimonio, Orden, Tipo, "
                               "Nombre, PrimerApellido, SegundoApellido) VALUES (?, ?, 'Testigo', ?, ?, ?)"),
                             {documento, testigo, nombre, primer, Texto(rs, L("SegundoApellidoTestigo") + n)});
        }
    }
    transaccion.Commit();
}

Firma FirmaDeParroquia(const QString& parroco, const QString& encargadoArchivo)
{
    if (!parroco.isEmpty())
        return {parroco, L("Párroco")};
    if (!encargadoArchivo.isEmpty())
        return {encargadoArchivo, L("Encargado del archivo")};
    return {};
}

QString Encargado(db::Connection& conLocal, Sacramento s, qint32 id, QString& cargo)
{
    const Definicion d = De(s);
    db::Recordset rs = conLocal.Query(L("SELECT I.Parroco, I.EncargadoArchivo FROM ") + d.tablaPartida +
                                          L(" AS P INNER JOIN ") + d.tablaLibro + L(" AS L ON L.") + d.claveLibro +
                                          L(" = P.CodLibro INNER JOIN Institucion AS I ON I.IDInstitucion = "
                                            "L.CodInstitucion WHERE P.") +
                                          d.clave + L(" = ?"),
                                      {id});
    if (!rs.isEOF()) {
        const Firma firma =
            FirmaDeParroquia(Texto(rs, L("Parroco")).trimmed(), Texto(rs, L("EncargadoArchivo")).trimmed());
        if (!firma.firmante.isEmpty()) {
            cargo = firma.cargo;
            return firma.firmante;
        }
    }
    ui::MsgBox(L("¡La parroquia de esta partida no tiene párroco ni encargado del archivo que firme el "
                 "certificado! Anótelos en las propiedades de la institución."),
               ui::vbOKOnly + ui::vbExclamation);
    return {};
}

} // namespace documentos_parroquia
