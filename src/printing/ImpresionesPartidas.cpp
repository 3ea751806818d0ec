#include "printing/ImpresionesPartidas.h"

#include "platform/addins/HostComplementos.h"
#include "platform/addins/cGestPar.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/pvapi/cCRegistry.h"
#include "platform/vb/VbError.h"
#include "printing/MargenesDocumento.h"
#include "printing/SecuenciaDocumento.h"

#include <QList>

using impresion::Documento;
using impresion::Final;
using impresion::Guarda;
using PVAPI::cCRegistry;

namespace {

using Miembro = void (addins::cGestPar::*)(db::Connection&, db::Connection&, qint32&);
using MiembroFirmado = void (addins::cGestPar::*)(db::Connection&, db::Connection&, qint32&, QString&, QString&);

QStringList VaciarMatrimonio()
{
    return {QStringLiteral("DELETE FROM Documentos_Matrimonio"), QStringLiteral("DELETE FROM Documentos_Matrimonio_Novios"),
            QStringLiteral("DELETE FROM Documentos_Matrimonio_Novias"),
            QStringLiteral("DELETE FROM Documentos_Matrimonio_Otros")};
}

// A book kind and its entries.
struct Sacramento {
    QString libros;     // kind key of the books node
    QString partidas;   // kind key of the entries node
    QString consultaLibro;
    Miembro libro;
    Miembro indice;
    Miembro partida;
    QString plantillaLibro, plantillaLibroBr, tituloLibro;
    QString plantillaIndice, tituloIndice;
    QString guardaLibro, guardaIndice;
    QStringList vaciarLibro, vaciarIndice;
    QString plantillaPartida, plantillaPartidaBr, tituloPartida;
    QStringList vaciarPartida;
    // "FROM ...", "WHERE ...", "AND ID...=" of the entry's book query.
    QString desde, donde, clave;
};

const QList<Sacramento>& Sacramentos()
{
    using G = addins::cGestPar;
    static const QList<Sacramento> tabla = {
        {QStringLiteral("LibrosBautismo"), QStringLiteral("PartidasBautismo"),
         QStringLiteral("SELECT nuevo, nombre FROM Libro_Bautismo WHERE IDLibroBautismo="), &G::InformeLibroBautismo,
         &G::InformeIndiceLibroBautismo, &G::InformePartidaBautismo, QStringLiteral("\\infGP_bautismo.rpt"),
         QStringLiteral("\\infGP_bautismoBr.rpt"), QStringLiteral("Libro de bautismo"),
         QStringLiteral("\\infGP_IndiceLibroBautismo.rpt"), QStringLiteral("Índice de libro de bautismo"),
         QStringLiteral("SELECT * FROM Documentos_Bautismo"),
         QStringLiteral("SELECT * from Documentos_Bautismo ORDER BY año, letra"),
         {QStringLiteral("Delete from Documentos_Bautismo")}, {QStringLiteral("Delete from Documentos_Bautismo")},
         QStringLiteral("\\infGP_Bautismo.rpt"), QStringLiteral("\\infGP_BautismoBr.rpt"),
         QStringLiteral("Partida de bautismo"), {QStringLiteral("Delete from Documentos_Bautismo")},
         QStringLiteral("FROM Libro_Bautismo, Bautismo "), QStringLiteral("WHERE CodLibro=IDLibroBautismo "),
         QStringLiteral("AND IDBautismo=")},
        {QStringLiteral("LibrosConfirmacion"), QStringLiteral("PartidasConfirmacion"),
         QStringLiteral("SELECT nuevo, nombre FROM Libro_Confirmacion WHERE IDLibroConfirmacion="),
         &G::InformeLibroConfirmacion, &G::InformeIndiceLibroConfirmacion, &G::InformePartidaConfirmacion,
         QStringLiteral("\\infGP_Confirmacion.rpt"), QStringLiteral("\\infGP_ConfirmacionBr.rpt"),
         QStringLiteral("Libro de confirmación"), QStringLiteral("\\infGP_IndiceLibroConfirmacion.rpt"),
         QStringLiteral("Índice del libro de confirmación"), QStringLiteral("SELECT * FROM Documentos_Confirmacion"),
         QStringLiteral("SELECT * FROM Documentos_Confirmacion"),
         {QStringLiteral("Delete from Documentos_Confirmacion")}, {QStringLiteral("DELETE FROM Documentos_Confirmacion")},
         QStringLiteral("\\infGP_Confirmacion.rpt"), QStringLiteral("\\infGP_ConfirmacionBr.rpt"),
         QStringLiteral("Partida de confirmación"), {QStringLiteral("Delete from Documentos_Confirmacion")},
         QStringLiteral("FROM Libro_Confirmacion, Confirmacion "), QStringLiteral("WHERE CodLibro=IDLibroConfirmacion "),
         QStringLiteral("AND IDConfirmacion=")},
        {QStringLiteral("LibrosMatrimonio"), QStringLiteral("PartidasMatrimonio"),
         QStringLiteral("SELECT nuevo, nombre FROM Libro_Matrimonio WHERE IDLibroMatrimonio="),
         &G::InformeLibroMatrimonio, &G::InformeIndiceLibroMatrimonio, &G::InformePartidaMatrimonio,
         QStringLiteral("\\infGP_matrimonio.rpt"), QStringLiteral("\\infGP_matrimonioBr.rpt"),
         QStringLiteral("Libro de matrimonio"), QStringLiteral("\\infGP_IndiceLibroMatrimonio.rpt"),
         QStringLiteral("Índice del libro de matrimonio"), QStringLiteral("SELECT * FROM Documentos_Matrimonio"),
         QStringLiteral("SELECT * FROM Documentos_Matrimonio"), VaciarMatrimonio(), VaciarMatrimonio(),
         QStringLiteral("\\infGP_Matrimonio.rpt"), QStringLiteral("\\infGP_MatrimonioBr.rpt"),
         QStringLiteral("Partida de matrimonio"), VaciarMatrimonio(), QStringLiteral("FROM Libro_Matrimonio, Matrimonio "),
         QStringLiteral("WHERE CodLibro=IDLibroMatrimonio "), QStringLiteral("AND IDMatrimonio=")},
        {QStringLiteral("LibrosDefuncion"), QStringLiteral("PartidasDefuncion"),
         QStringLiteral("SELECT Nuevo, Nombre FROM Libro_Defuncion WHERE IDLibroDefuncion="),
         &G::InformeLibroDefuncion, &G::InformeIndiceLibroDefuncion, &G::InformePartidaDefuncion,
         QStringLiteral("\\infGP_Defuncion.rpt"), QStringLiteral("\\infGP_DefuncionBr.rpt"),
         QStringLiteral("Libro de defunción"), QStringLiteral("\\infGP_IndiceLibroDefuncion.rpt"),
         QStringLiteral("Índice del libro de defunción"), QStringLiteral("SELECT * FROM Documentos_Defuncion"),
         QStringLiteral("SELECT * FROM Documentos_Defuncion"), {QStringLiteral("Delete FROM Documentos_Defuncion")},
         {QStringLiteral("DELETE FROM Documentos_Defuncion")}, QStringLiteral("\\infGP_Defuncion.rpt"),
         QStringLiteral("\\infGP_DefuncionBr.rpt"), QStringLiteral("Partida de defunción"),
         {QStringLiteral("Delete from Documentos_Defuncion")}, QStringLiteral("FROM Libro_Defuncion, Defuncion "),
         QStringLiteral("WHERE CodLibro=IDLibroDefuncion "), QStringLiteral("AND IDDifunto=")},
    };
    return tabla;
}

// A certificate kind: the signer's sacrament word ("" for marriage, which
// asks for no signer), its members, templates, titles and emptying.
struct Certificado {
    QString partidas;
    QString sacramento;
    MiembroFirmado firmado;
    MiembroFirmado firmadoLiteral;
    Miembro sinFirma;
    Miembro sinFirmaLiteral;
    QString plantilla, plantillaLiteral;
    QString titulo, tituloLiteral;
    QStringList vaciar, vaciarLiteral;
};

const QList<Certificado>& Certificados()
{
    using G = addins::cGestPar;
    static const QList<Certificado> tabla = {
        {QStringLiteral("PartidasBautismo"), QStringLiteral("Bautismo"), &G::InformeCertificadoPartidaBautismo,
         &G::InformeCertificadoLiteralPartidaBautismo, nullptr, nullptr,
         QStringLiteral("\\infGP_Certificadobautismo.rpt"), QStringLiteral("\\infGP_CertificadoLiteralBautismo.rpt"),
         QStringLiteral("Certificado de partida de bautismo"),
         QStringLiteral("Certificado literal de partida de bautismo"), {QStringLiteral("Delete from Documentos_bautismo")},
         {QStringLiteral("DELETE FROM Documentos_bautismo")}},
        {QStringLiteral("PartidasConfirmacion"), QStringLiteral("Confirmacion"),
         &G::InformeCertificadoPartidaConfirmacion, &G::InformeCertificadoLiteralPartidaConfirmacion, nullptr, nullptr,
         QStringLiteral("\\infGP_CertificadoConfirmacion.rpt"),
         QStringLiteral("\\infGP_CertificadoLiteralConfirmacion.rpt"),
         QStringLiteral("Certificado de partida de confirmación"),
         QStringLiteral("Certificado literal de partida de confirmación"),
         {QStringLiteral("Delete from Documentos_Confirmacion")}, {QStringLiteral("DELETE FROM Documentos_Confirmacion")}},
        {QStringLiteral("PartidasMatrimonio"), QString(), nullptr, nullptr, &G::InformeCertificadoPartidaMatrimonio,
         &G::InformeCertificadoLiteralPartidaMatrimonio, QStringLiteral("\\infGP_CertificadoMatrimonio.rpt"),
         QStringLiteral("\\infGP_CertificadoLiteralMatrimonio.rpt"),
         QStringLiteral("Certificado de partida de matrimonio"),
         QStringLiteral("Certificado literal de partida de matrimonio"), VaciarMatrimonio(), VaciarMatrimonio()},
        {QStringLiteral("PartidasDefuncion"), QStringLiteral("Defuncion"), &G::InformeCertificadoPartidaDefuncion,
         &G::InformeCertificadoLiteralPartidaDefuncion, nullptr, nullptr,
         QStringLiteral("\\infGP_CertificadoDefuncion.rpt"), QStringLiteral("\\infGP_CertificadoLiteralDefuncion.rpt"),
         QStringLiteral("Certificado de partida de defunción"),
         QStringLiteral("Certificado literal de partida de defunción"),
         {QStringLiteral("Delete from Documentos_Defuncion")}, {QStringLiteral("DELETE FROM Documentos_Defuncion")}},
    };
    return tabla;
}

// A one-record document without a signer.
struct Sencillo {
    QString descripcion;  // empty: the method tests no kind
    Miembro miembro;
    QString plantilla;
    QString titulo;
    QStringList vaciar;
    bool guardaMatrimonio = false;
};

const QString kGuardaMatrimonio = QStringLiteral("SELECT IDDocumentos_Matrimonio FROM Documentos_Matrimonio");

const QList<Sencillo>& Volantes()
{
    using G = addins::cGestPar;
    static const QList<Sencillo> tabla = {
        {QStringLiteral("PartidasBautismo"), &G::InformeVolanteBautismo, QStringLiteral("\\infGP_VolanteBautismo.rpt"),
         QStringLiteral("Volante de bautismo"), {QStringLiteral("Delete from Documentos_bautismo")}},
        {QStringLiteral("PartidasMatrimonio"), &G::InformeVolanteMatrimonio, QStringLiteral("\\infGP_VolanteMatr.rpt"),
         QStringLiteral("Volante de matrimonio"), VaciarMatrimonio()},
    };
    return tabla;
}

const QList<Sencillo>& Notificaciones()
{
    using G = addins::cGestPar;
    static const QList<Sencillo> tabla = {
        {QStringLiteral("PartidasConfirmacion"), &G::InformeNotificacionConfirmacion,
         QStringLiteral("\\infGP_NotificacionConfirmacion.rpt"), QStringLiteral("Notificación de confirmación"),
         {QStringLiteral("Delete from Documentos_Confirmacion")}},
        {QStringLiteral("PartidasMatrimonio"), &G::InformeNotificacionMatrimonio,
         QStringLiteral("\\infGP_NotificacionMatr.rpt"),
         QStringLiteral("Notificación de matrimonio canónico para el registro"), VaciarMatrimonio(), true},
    };
    return tabla;
}

const QList<Sencillo>& Solicitudes()
{
    static const QList<Sencillo> tabla = {
        {QStringLiteral("SolicitudesBautismo"), &addins::cGestPar::InformeSolicitudPartidaBautismoDatos,
         QStringLiteral("\\infGP_SolicitudBautismoDatos.rpt"), QStringLiteral("Solicitud de partida de bautismo"),
         {QStringLiteral("Delete from Documentos_Bautismo")}},
    };
    return tabla;
}

const Sacramento* PorLibros(const QString& descripcion)
{
    for (const Sacramento& s : Sacramentos()) {
        if (s.libros == descripcion)
            return &s;
    }
    return nullptr;
}

Documento Predeterminado(const QString& plantilla, const QString& titulo, const QStringList& vaciar)
{
    Documento d;
    d.plantilla = plantilla;
    d.titulo = titulo;
    d.claveMargenSup = cCRegistry::DOCUMENTOS_PREDET_MARGEN_SUP();
    d.claveMargenIzq = cCRegistry::DOCUMENTOS_PREDET_MARGEN_IZQ();
    d.defectoMargenSup = QStringLiteral("0");
    d.defectoMargenIzq = QStringLiteral("0");
    d.vaciar = vaciar;
    return d;
}

// `Nuevo` of the first row: the book was created by this program (true) or
// carried over from the older one. A missing row is an error: the book or
// entry went away meanwhile.
bool LibroNuevo(db::Recordset& rs)
{
    if (rs.isEOF())
        throw vb::VbError(3021, QStringLiteral("No se ha encontrado el libro: puede que otro puesto lo haya "
                                               "eliminado. Actualice la lista e inténtelo de nuevo."));
    const db::Value nuevo = rs.value(0);
    return !nuevo.isNull() && nuevo.toBool();
}

void Imprimir(const ContextoImpresion& ctx, const Sencillo& s, qint32& lngID)
{
    Documento d = Predeterminado(s.plantilla, s.titulo, s.vaciar);
    if (s.guardaMatrimonio) {
        d.guarda = Guarda::FilaTrasLlenar;
        d.consultaGuarda = kGuardaMatrimonio;
    }
    addins::cGestPar* gestPar = ctx.gestPar;
    const Miembro miembro = s.miembro;
    impresion::ImprimirDocumento(ctx, d, [&] { (gestPar->*miembro)(*ctx.conLocal, *ctx.conInformes, lngID); });
}

void ImprimirDe(const ContextoImpresion& ctx, const QList<Sencillo>& tabla, qint32& lngID, const QString& descripcion)
{
    for (const Sencillo& s : tabla) {
        if (s.descripcion == descripcion) {
            Imprimir(ctx, s, lngID);
            return;
        }
    }
}

} // namespace

addins::cGestPar& ImpresionesPartidas::GestPar() const
{
    if (!m_ctx.gestPar)
        throw vb::VbError(91, QStringLiteral("Variable de objeto o bloque With no establecido"));
    return *m_ctx.gestPar;
}

void ImpresionesPartidas::ImprimirLibro(qint32& lngID, const QString& strDescripcion)
{
    margenes::SembrarMargenesDocumento(m_ctx);
    const Sacramento* s = PorLibros(strDescripcion);
    if (!s)
        return;
    addins::cGestPar& gestPar = GestPar();
    db::Recordset libro;
    Documento d;
    d.titulo = s->tituloLibro;
    d.claveMargenSup = cCRegistry::DOCUMENTOS_MARGENSUPERIOR();
    d.claveMargenIzq = cCRegistry::DOCUMENTOS_MARGENIZQUIERDO();
    d.guarda = Guarda::CuentaTrasPreparar;
    d.consultaGuarda = s->guardaLibro;
    d.final = Final::VaciarEInformar;
    d.vaciar = s->vaciarLibro;
    d.elegirPlantilla = [&] { return LibroNuevo(libro) ? s->plantillaLibro : s->plantillaLibroBr; };
    impresion::ImprimirDocumento(m_ctx, d, [&] {
        libro = m_ctx.conLocal->Execute(s->consultaLibro + QString::number(lngID));
        (gestPar.*(s->libro))(*m_ctx.conLocal, *m_ctx.conInformes, lngID);
    });
}

void ImpresionesPartidas::ImprimirIndiceLibro(qint32& lngID, const QString& strDescripcion)
{
    const Sacramento* s = PorLibros(strDescripcion);
    if (!s)
        return;
    addins::cGestPar& gestPar = GestPar();
    Documento d = Predeterminado(s->plantillaIndice, s->tituloIndice, s->vaciarIndice);
    d.guarda = Guarda::CuentaTrasPreparar;
    d.consultaGuarda = s->guardaIndice;
    d.final = Final::VaciarEInformar;
    impresion::ImprimirDocumento(
        m_ctx, d, [&] { (gestPar.*(s->indice))(*m_ctx.conLocal, *m_ctx.conInformes, lngID); });
}

void ImpresionesPartidas::ImprimirPartida(qint32& lngID, const QString& strDescripcion)
{
    margenes::SembrarMargenesDocumento(m_ctx);
    const Sacramento* s = nullptr;
    for (const Sacramento& candidato : Sacramentos()) {
        if (candidato.partidas == strDescripcion)
            s = &candidato;
    }
    if (!s)
        return;
    addins::cGestPar& gestPar = GestPar();
    Documento d;
    d.titulo = s->tituloPartida;
    d.claveMargenSup = cCRegistry::DOCUMENTOS_MARGENSUPERIOR();
    d.claveMargenIzq = cCRegistry::DOCUMENTOS_MARGENIZQUIERDO();
    d.defectoMargenSup = QStringLiteral("20");
    d.defectoMargenIzq = QStringLiteral("25");
    d.vaciar = s->vaciarPartida;
    d.elegirPlantilla = [&] {
        db::Recordset libro = m_ctx.conLocal->Execute(QStringLiteral("SELECT Nuevo ") + s->desde + s->donde +
                                                      s->clave + QString::number(lngID));
        return LibroNuevo(libro) ? s->plantillaPartida : s->plantillaPartidaBr;
    };
    impresion::ImprimirDocumento(
        m_ctx, d, [&] { (gestPar.*(s->partida))(*m_ctx.conLocal, *m_ctx.conInformes, lngID); });
}

void ImpresionesPartidas::ImprimirCertificadoPartida(qint32& lngID, const QString& strDescripcion)
{
    ImprimirCertificado(lngID, strDescripcion, false);
}

void ImpresionesPartidas::ImprimirCertificadoLiteralPartida(qint32& lngID, const QString& strDescripcion)
{
    ImprimirCertificado(lngID, strDescripcion, true);
}

void ImpresionesPartidas::ImprimirCertificado(qint32& lngID, const QString& strDescripcion, bool literal)
{
    const Certificado* c = nullptr;
    for (const Certificado& candidato : Certificados()) {
        if (candidato.partidas == strDescripcion)
            c = &candidato;
    }
    if (!c)
        return;
    addins::cGestPar& gestPar = GestPar();
    Documento d = Predeterminado(literal ? c->plantillaLiteral : c->plantilla, literal ? c->tituloLiteral : c->titulo,
                                 literal ? c->vaciarLiteral : c->vaciar);
    if (c->sacramento.isEmpty()) {
        // Marriage: no signer; nothing is printed when the add-in wrote no
        // marriage. The ordinary certificate lets the add-in work with the
        // window enabled.
        d.guarda = Guarda::FilaTrasLlenar;
        d.consultaGuarda = QStringLiteral("SELECT IDDocumentos_Matrimonio FROM Documentos_Matrimonio ");
        if (!literal)
            d.deshabilitar = impresion::Deshabilitar::TrasGuarda;
        const Miembro miembro = literal ? c->sinFirmaLiteral : c->sinFirma;
        impresion::ImprimirDocumento(m_ctx, d,
                                     [&] { (gestPar.*miembro)(*m_ctx.conLocal, *m_ctx.conInformes, lngID); });
        return;
    }
    // The signer is asked of an add-in object of the print's own.
    std::unique_ptr<addins::cGestPar> encargado =
        addins::CrearObjeto<addins::cGestPar>(QString::fromLatin1(addins::cGestPar::NombreClase));
    QString strCargo;
    QString strFirmante = encargado->selecencargado(*m_ctx.conLocal, c->sacramento, lngID, strCargo);
    if (strFirmante.isEmpty())
        return;
    const MiembroFirmado miembro = literal ? c->firmadoLiteral : c->firmado;
    impresion::ImprimirDocumento(m_ctx, d, [&] {
        (gestPar.*miembro)(*m_ctx.conLocal, *m_ctx.conInformes, lngID, strFirmante, strCargo);
    });
}

void ImpresionesPartidas::ImprimirVolante(qint32& lngID, const QString& strDescripcion)
{
    GestPar();
    ImprimirDe(m_ctx, Volantes(), lngID, strDescripcion);
}

void ImpresionesPartidas::ImprimirNotificacion(qint32& lngID, const QString& strDescripcion)
{
    GestPar();
    ImprimirDe(m_ctx, Notificaciones(), lngID, strDescripcion);
}

void ImpresionesPartidas::ImprimirSolicitudPartidaDatos(qint32& lngID, const QString& strDescripcion)
{
    GestPar();
    ImprimirDe(m_ctx, Solicitudes(), lngID, strDescripcion);
}

void ImpresionesPartidas::ImprimirComunicacionMatrimonio(qint32& lngID)
{
    GestPar();
    const Sencillo s{QString(), &addins::cGestPar::InformeComunicacionMatrimonio,
                     QStringLiteral("\\infGP_ComunicacionMatr.rpt"),
                     QStringLiteral("Comunicación de matrimonio a la parroquia de bautismo"), VaciarMatrimonio()};
    Imprimir(m_ctx, s, lngID);
}
