#include "platform/widgets/DialogoRegistroDatos.h"

#include "platform/db/Connection.h"
#include "platform/db/Transaction.h"
#include "platform/vb/Fechas.h"
#include "platform/vb/Format.h"
#include "platform/vb/Texto.h"
#include "platform/vb/Vb.h"
#include "platform/vb/VbError.h"
#include "platform/widgets/DialogoRegistroError.h"

#include <cmath>

namespace widgets {

namespace {

const QString kSinCambios = QStringLiteral(
    " No se ha guardado ningún cambio: cierre la ventana sin guardar y vuelva a abrirla para ver los datos actuales.");

QString Mayuscula(const QString& texto)
{
    return texto.isEmpty() ? texto : texto.left(1).toUpper() + texto.mid(1);
}

bool Contiene(const QStringList& lista, const QString& columna)
{
    return lista.contains(columna, Qt::CaseInsensitive);
}

QString NumeroConMiles(qint64 n)
{
    return vb::FormatNumber(double(n), QStringLiteral("#,##0"));
}

qint64 Contar(db::Connection& con, const QString& sql, const QList<db::Value>& params)
{
    db::Recordset rs = con.Query(sql, params);
    return rs.isEOF() ? 0 : rs.value(0).toInt64();
}

db::Value Vacio(const CampoRegistro& campo)
{
    switch (campo.tipo) {
    case TipoCampo::Texto:
    case TipoCampo::Memo:
    case TipoCampo::Fecha: return QString();
    case TipoCampo::SiNo:
    case TipoCampo::Referencia: return qint64(0);
    case TipoCampo::Entero:
    case TipoCampo::Importe: return {};
    }
    return {};
}

bool Distinto(const QMap<QString, db::Value>& valores, const QMap<QString, db::Value>& originales)
{
    for (auto it = valores.cbegin(); it != valores.cend(); ++it) {
        if (!originales.contains(it.key()) || !(originales.value(it.key()) == it.value()))
            return true;
    }
    return false;
}

[[noreturn]] void Rechazar(const CampoRegistro& c, const QString& mensaje)
{
    throw DialogoRegistroError(mensaje, c.columna, c.seccion);
}

// What the user typed in a field, as the value stored, or refused naming
// the field (`nombre`). `limpio` is the text without blanks around it.
db::Value LeerTexto(const CampoRegistro& c, const QString& nombre, const QString& limpio)
{
    if (limpio.size() > c.ancho)
        Rechazar(c, QStringLiteral("¡%1 admite como máximo %2 caracteres y tiene %3!")
                        .arg(nombre)
                        .arg(c.ancho)
                        .arg(limpio.size()));
    return limpio;
}

db::Value LeerFecha(const CampoRegistro& c, const QString& nombre, const QString& limpio)
{
    if (limpio.isEmpty())
        return QString();
    const QDate fecha = vb::FechaADate(limpio);
    if (!fecha.isValid() || fecha.year() < 1)
        Rechazar(c, QStringLiteral("¡%1 no es una fecha válida! Escríbala como día/mes/año, por ejemplo 05/03/2024.")
                        .arg(nombre));
    return vb::DateAFechaTexto(fecha);
}

db::Value LeerEntero(const CampoRegistro& c, const QString& nombre, const QString& limpio)
{
    if (limpio.isEmpty())
        return {};
    bool ok = false;
    const qint64 n = limpio.toLongLong(&ok);
    if (!ok || n < c.minimo || n > c.maximo)
        Rechazar(c, QStringLiteral("¡%1 debe ser un número entero entre %2 y %3!")
                        .arg(nombre, NumeroConMiles(c.minimo), NumeroConMiles(c.maximo)));
    return n;
}

// An amount in the working currency: whole pesetas, or euros with cents.
db::Value LeerImporte(const CampoRegistro& c, const QString& nombre, const QString& limpio, bool pesetas)
{
    if (limpio.isEmpty())
        return {};
    const double importe = vb::IsNumeric(limpio) ? vb::CDblEs(limpio) : -1;
    if (!(importe >= double(c.minimo) && importe <= double(c.maximo)))
        Rechazar(c, QStringLiteral("¡%1 debe ser un importe entre %2 y %3 %4!")
                        .arg(nombre, NumeroConMiles(c.minimo), NumeroConMiles(c.maximo),
                             pesetas ? QStringLiteral("pesetas") : QStringLiteral("euros")));
    const double unidades = pesetas ? importe : importe * 100;
    if (std::abs(unidades - std::round(unidades)) > 1e-6)
        Rechazar(c, pesetas ? QStringLiteral("¡%1 se escribe en pesetas, sin decimales!").arg(nombre)
                            : QStringLiteral("¡%1 admite como máximo dos decimales!").arg(nombre));
    return pesetas ? std::round(importe) : std::round(importe * 100) / 100;
}

} // namespace

DialogoRegistroDatos::DialogoRegistroDatos(std::shared_ptr<const DefinicionRegistro> definicion, MonedaRegistro moneda)
    : m_definicion(std::move(definicion)), m_moneda(std::move(moneda))
{
    m_filas.resize(std::size_t(m_definicion->secciones.size()));
    m_detalles.resize(std::size_t(m_definicion->detalles.size()));
}

const CampoRegistro& DialogoRegistroDatos::CampoEn(int campo) const
{
    if (campo < 0 || campo >= m_definicion->campos.size())
        vb::ThrowInvalidCall(QStringLiteral("DialogoRegistroDatos"));
    return m_definicion->campos[campo];
}

DialogoRegistroDatos::FilaSeccion& DialogoRegistroDatos::FilaDe(int seccion)
{
    if (seccion < 0 || std::size_t(seccion) >= m_filas.size())
        vb::ThrowInvalidCall(QStringLiteral("DialogoRegistroDatos"));
    return m_filas[std::size_t(seccion)];
}

const DialogoRegistroDatos::FilaSeccion& DialogoRegistroDatos::FilaDe(int seccion) const
{
    return const_cast<DialogoRegistroDatos*>(this)->FilaDe(seccion);
}

qint64 DialogoRegistroDatos::Clave(int seccion) const
{
    return FilaDe(seccion).clave;
}

QString DialogoRegistroDatos::NombreRegistro() const
{
    return m_definicion->nombre.isEmpty() ? QStringLiteral("el registro") : m_definicion->nombre;
}

QStringList DialogoRegistroDatos::ColumnasSeccion(int seccion) const
{
    QStringList columnas;
    auto anadir = [&columnas](const QString& c) {
        if (!c.isEmpty() && !Contiene(columnas, c))
            columnas << c;
    };
    for (const CampoRegistro& c : m_definicion->campos) {
        if (c.seccion != seccion)
            continue;
        anadir(c.columna);
        anadir(c.columnaEuros);
    }
    const QList<SeccionRegistro>& secciones = m_definicion->secciones;
    for (const QString& c : secciones[seccion].columnasLeidas)
        anadir(c);
    for (int s = 1; s < secciones.size(); ++s) {
        if (secciones[s].padre == seccion && secciones[s].vinculo == VinculoSeccion::Referida)
            anadir(secciones[s].columnaEnPadre);
    }
    return columnas;
}

void DialogoRegistroDatos::VaciarSeccion(int seccion)
{
    FilaSeccion& fila = FilaDe(seccion);
    fila = FilaSeccion();
    for (const CampoRegistro& c : m_definicion->campos) {
        if (c.seccion != seccion)
            continue;
        fila.valores.insert(c.columna, Vacio(c));
        if (!c.columnaEuros.isEmpty())
            fila.valores.insert(c.columnaEuros, db::Value());
    }
}

void DialogoRegistroDatos::Nuevo()
{
    for (int s = 0; s < m_definicion->secciones.size(); ++s)
        VaciarSeccion(s);
    for (ListaDetalle& l : m_detalles)
        l = ListaDetalle();
    m_otrosUsos.clear();
    m_compartidasParaTodos.clear();
    if (m_definicion->ganchos.alCrear)
        m_definicion->ganchos.alCrear(*this);
}

void DialogoRegistroDatos::CargarSeccion(db::Connection& con, int seccion, qint64 clave)
{
    VaciarSeccion(seccion);
    FilaSeccion& fila = FilaDe(seccion);
    if (clave == 0)
        return;
    const SeccionRegistro& sec = m_definicion->secciones[seccion];
    const QStringList columnas = ColumnasSeccion(seccion);
    db::Recordset rs = con.Query(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
                                     .arg(columnas.isEmpty() ? sec.clave : columnas.join(QStringLiteral(", ")),
                                          sec.tabla, sec.clave),
                                 {clave});
    if (rs.isEOF())
        return;
    for (const QString& c : columnas)
        fila.valores.insert(c, rs.value(c));
    fila.originales = fila.valores;
    fila.existia = true;
    fila.clave = clave;
}

void DialogoRegistroDatos::Cargar(db::Connection& con, qint64 id)
{
    m_otrosUsos.clear();
    m_compartidasParaTodos.clear();
    m_modificado = false;
    const QList<SeccionRegistro>& secciones = m_definicion->secciones;
    CargarSeccion(con, 0, id);
    if (!m_filas[0].existia)
        throw DialogoRegistroError(QStringLiteral("¡%1 ya no existe: otro puesto lo ha eliminado!")
                                       .arg(Mayuscula(NombreRegistro())));
    for (int s = 1; s < secciones.size(); ++s) {
        const SeccionRegistro& sec = secciones[s];
        const FilaSeccion& padre = FilaDe(sec.padre);
        if (sec.vinculo == VinculoSeccion::UnoAUno) {
            CargarSeccion(con, s, padre.existia ? padre.clave : 0);
            continue;
        }
        const db::Value enPadre = padre.valores.value(sec.columnaEnPadre);
        CargarSeccion(con, s, enPadre.isNull() ? 0 : enPadre.toInt64());
        if (sec.compartida && FilaDe(s).existia) {
            const SeccionRegistro& secPadre = secciones[sec.padre];
            m_otrosUsos[s] = int(Contar(con,
                                        QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = ? AND %3 <> ?")
                                            .arg(secPadre.tabla, sec.columnaEnPadre, secPadre.clave),
                                        {FilaDe(s).clave, padre.clave}));
        }
    }
    CargarDetalles(con);
}

void DialogoRegistroDatos::CargarDetalles(db::Connection& con)
{
    for (int d = 0; d < m_definicion->detalles.size(); ++d) {
        const DetalleRegistro& det = m_definicion->detalles[d];
        const SeccionRegistro& principal = det.definicion->secciones[0];
        ListaDetalle& lista = m_detalles[std::size_t(d)];
        lista = ListaDetalle();
        db::Recordset rs = con.Query(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ? ORDER BY %1")
                                         .arg(principal.clave, principal.tabla, det.columnaPadre),
                                     {Id()});
        QList<qint64> claves;
        for (; !rs.isEOF(); rs.MoveNext())
            claves << rs.value(0).toInt64();
        for (qint64 clave : claves) {
            DialogoRegistroDatos fila(det.definicion, m_moneda);
            fila.Cargar(con, clave);
            lista.filas.push_back(std::move(fila));
        }
    }
}

db::Value DialogoRegistroDatos::Valor(const QString& columna, int seccion) const
{
    const QMap<QString, db::Value>& valores = FilaDe(seccion).valores;
    for (auto it = valores.cbegin(); it != valores.cend(); ++it) {
        if (it.key().compare(columna, Qt::CaseInsensitive) == 0)
            return it.value();
    }
    return {};
}

void DialogoRegistroDatos::EstablecerValor(const QString& columna, const db::Value& valor, int seccion)
{
    QMap<QString, db::Value>& valores = FilaDe(seccion).valores;
    for (auto it = valores.begin(); it != valores.end(); ++it) {
        if (it.key().compare(columna, Qt::CaseInsensitive) == 0) {
            it.value() = valor;
            return;
        }
    }
    valores.insert(columna, valor);
}

QString DialogoRegistroDatos::NombreCampo(int campo) const
{
    const CampoRegistro& c = CampoEn(campo);
    QString nombre = QStringLiteral("«%1»").arg(c.etiqueta);
    const QString caja = !c.grupo.isEmpty() ? c.grupo
                         : c.seccion != 0  ? m_definicion->secciones[c.seccion].titulo
                                           : QString();
    if (!caja.isEmpty())
        nombre += QStringLiteral(" (%1)").arg(caja);
    return nombre;
}

QString DialogoRegistroDatos::Texto(int campo) const
{
    const CampoRegistro& c = CampoEn(campo);
    switch (c.tipo) {
    case TipoCampo::Texto:
    case TipoCampo::Memo: return Valor(c.columna, c.seccion).toString();
    case TipoCampo::Fecha: {
        const QString guardada = Valor(c.columna, c.seccion).toString();
        const QString mostrada = vb::FechaTextoAFecha(guardada);
        // A stored text that is no date ("---") is shown as it is, so the
        // user sees it and an untouched field keeps it.
        return mostrada.isEmpty() ? guardada : mostrada;
    }
    case TipoCampo::Entero: {
        const db::Value v = Valor(c.columna, c.seccion);
        return v.isNull() ? QString() : QString::number(v.toInt64());
    }
    case TipoCampo::Importe: {
        const bool pesetas = m_moneda.trabajarConPesetas;
        const db::Value v = Valor(pesetas ? c.columna : c.columnaEuros, c.seccion);
        if (v.isNull())
            return {};
        return vb::FormatNumber(v.toDouble(), pesetas ? QStringLiteral("#,##0") : QStringLiteral("#,##0.00"));
    }
    case TipoCampo::SiNo: return Marcado(campo) ? QStringLiteral("Sí") : QStringLiteral("No");
    case TipoCampo::Referencia: return QString::number(Referencia(campo));
    }
    return {};
}

bool DialogoRegistroDatos::Marcado(int campo) const
{
    const CampoRegistro& c = CampoEn(campo);
    const db::Value v = Valor(c.columna, c.seccion);
    return !v.isNull() && v.toBool();
}

qint64 DialogoRegistroDatos::Referencia(int campo) const
{
    const CampoRegistro& c = CampoEn(campo);
    const db::Value v = Valor(c.columna, c.seccion);
    return v.isNull() ? 0 : v.toInt64();
}

void DialogoRegistroDatos::EstablecerTexto(int campo, const QString& texto)
{
    const CampoRegistro& c = CampoEn(campo);
    if (texto == Texto(campo))
        return;
    const QString nombre = NombreCampo(campo);
    const QString limpio = vb::Trim(texto);
    switch (c.tipo) {
    case TipoCampo::Texto: EstablecerValor(c.columna, LeerTexto(c, nombre, limpio), c.seccion); return;
    case TipoCampo::Memo: EstablecerValor(c.columna, texto, c.seccion); return;
    case TipoCampo::Fecha: EstablecerValor(c.columna, LeerFecha(c, nombre, limpio), c.seccion); return;
    case TipoCampo::Entero: EstablecerValor(c.columna, LeerEntero(c, nombre, limpio), c.seccion); return;
    case TipoCampo::Importe: {
        const bool pesetas = m_moneda.trabajarConPesetas;
        const db::Value importe = LeerImporte(c, nombre, limpio, pesetas);
        db::Value otro;
        if (!importe.isNull()) {
            if (!m_moneda.convertir)
                vb::ThrowInvalidCall(QStringLiteral("DialogoRegistroDatos"));
            otro = m_moneda.convertir(importe.toDouble(), pesetas);
        }
        EstablecerValor(c.columna, pesetas ? importe : otro, c.seccion);
        EstablecerValor(c.columnaEuros, pesetas ? otro : importe, c.seccion);
        return;
    }
    case TipoCampo::SiNo:
    case TipoCampo::Referencia: vb::ThrowInvalidCall(QStringLiteral("DialogoRegistroDatos"));
    }
}

void DialogoRegistroDatos::EstablecerMarcado(int campo, bool marcado)
{
    const CampoRegistro& c = CampoEn(campo);
    if (c.tipo != TipoCampo::SiNo)
        vb::ThrowInvalidCall(QStringLiteral("DialogoRegistroDatos"));
    if (marcado != Marcado(campo))
        EstablecerValor(c.columna, qint64(marcado ? -1 : 0), c.seccion);
}

void DialogoRegistroDatos::EstablecerReferencia(int campo, qint64 clave)
{
    const CampoRegistro& c = CampoEn(campo);
    if (c.tipo != TipoCampo::Referencia)
        vb::ThrowInvalidCall(QStringLiteral("DialogoRegistroDatos"));
    if (clave < 0)
        throw DialogoRegistroError(
            QStringLiteral("¡%1 no está en la lista! Elija uno de los que se ofrecen.").arg(NombreCampo(campo)),
            c.columna, c.seccion);
    if (clave != Referencia(campo))
        EstablecerValor(c.columna, clave, c.seccion);
}

void DialogoRegistroDatos::Validar() const
{
    for (int i = 0; i < m_definicion->campos.size(); ++i) {
        const CampoRegistro& c = m_definicion->campos[i];
        if (!c.obligatorio || c.soloLectura)
            continue;
        const db::Value v = Valor(c.columna, c.seccion);
        bool vacio = v.isNull();
        if (!vacio && (c.tipo == TipoCampo::Texto || c.tipo == TipoCampo::Memo || c.tipo == TipoCampo::Fecha))
            vacio = vb::Trim(v.toString()).isEmpty();
        if (!vacio && c.tipo == TipoCampo::Referencia)
            vacio = v.toInt64() == 0;
        if (vacio)
            throw DialogoRegistroError(QStringLiteral("¡El dato %1 es obligatorio!").arg(NombreCampo(i)), c.columna,
                                       c.seccion);
    }
}

QList<int> DialogoRegistroDatos::CompartidasCambiadas() const
{
    QList<int> cambiadas;
    for (int s = 1; s < m_definicion->secciones.size(); ++s) {
        const FilaSeccion& fila = FilaDe(s);
        if (m_definicion->secciones[s].compartida && fila.existia && m_otrosUsos.value(s) > 0
            && Distinto(fila.valores, fila.originales))
            cambiadas << s;
    }
    return cambiadas;
}

void DialogoRegistroDatos::DecidirCompartida(int seccion, bool paraTodos)
{
    if (paraTodos)
        m_compartidasParaTodos.insert(seccion);
    else
        m_compartidasParaTodos.remove(seccion);
}

int DialogoRegistroDatos::Filas(int detalle) const
{
    return int(m_detalles.at(std::size_t(detalle)).filas.size());
}

const DialogoRegistroDatos& DialogoRegistroDatos::Fila(int detalle, int fila) const
{
    return m_detalles.at(std::size_t(detalle)).filas.at(std::size_t(fila));
}

DialogoRegistroDatos DialogoRegistroDatos::FilaNueva(int detalle) const
{
    DialogoRegistroDatos fila(m_definicion->detalles.at(detalle).definicion, m_moneda);
    fila.Nuevo();
    return fila;
}

void DialogoRegistroDatos::AnadirFila(int detalle, const DialogoRegistroDatos& fila)
{
    m_detalles.at(std::size_t(detalle)).filas.push_back(fila);
    m_detalles[std::size_t(detalle)].filas.back().m_modificado = true;
}

void DialogoRegistroDatos::ReemplazarFila(int detalle, int fila, const DialogoRegistroDatos& nueva)
{
    DialogoRegistroDatos& destino = m_detalles.at(std::size_t(detalle)).filas.at(std::size_t(fila));
    destino = nueva;
    destino.m_modificado = true;
}

void DialogoRegistroDatos::QuitarFila(int detalle, int fila)
{
    ListaDetalle& lista = m_detalles.at(std::size_t(detalle));
    DialogoRegistroDatos& quitada = lista.filas.at(std::size_t(fila));
    if (!quitada.EsNuevo() && lista.noEliminables.contains(quitada.Id()))
        throw DialogoRegistroError(m_definicion->detalles[detalle].mensajeNoEliminable, {}, -1, detalle);
    if (!quitada.EsNuevo())
        lista.eliminadas.push_back(std::move(quitada));
    lista.filas.erase(lista.filas.begin() + fila);
}

void DialogoRegistroDatos::MarcarNoEliminables(int detalle, const QSet<qint64>& claves)
{
    m_detalles.at(std::size_t(detalle)).noEliminables = claves;
}

void DialogoRegistroDatos::Escribir(db::Connection& con)
{
    if (m_definicion->soloLectura)
        return;
    DialogoRegistroDatos copia(*this);
    {
        db::Transaction transaccion(con);
        copia.EscribirEnTransaccion(con);
        transaccion.Commit();
    }
    // What is stored now is what a later write compares with.
    copia.Cargar(con, copia.Id());
    *this = std::move(copia);
}

void DialogoRegistroDatos::EscribirEnTransaccion(db::Connection& con)
{
    ComprobarSinCambios(con);
    ComprobarReferencias(con);
    if (m_definicion->ganchos.antesDeEscribir)
        m_definicion->ganchos.antesDeEscribir(con, *this);
    EscribirSeccion(con, 0);
    EscribirDetalles(con);
    if (m_definicion->ganchos.despuesDeEscribir)
        m_definicion->ganchos.despuesDeEscribir(con, *this);
}

void DialogoRegistroDatos::ComprobarSinCambios(db::Connection& con) const
{
    const QList<SeccionRegistro>& secciones = m_definicion->secciones;
    for (int s = 0; s < secciones.size(); ++s) {
        const SeccionRegistro& sec = secciones[s];
        const FilaSeccion& fila = FilaDe(s);
        if (!fila.existia) {
            // A row of an existing record that was missing when read: one
            // written meanwhile by another workstation must not be doubled.
            const FilaSeccion& padre = FilaDe(sec.padre);
            if (s > 0 && sec.vinculo == VinculoSeccion::UnoAUno && padre.existia
                && Contar(con, QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = ?").arg(sec.tabla, sec.clave),
                          {padre.clave}) > 0)
                throw DialogoRegistroError(QStringLiteral("¡Otro puesto ha cambiado %1 mientras lo editaba!%2")
                                               .arg(sec.nombre.isEmpty() ? NombreRegistro() : sec.nombre, kSinCambios),
                                           {}, s);
            continue;
        }
        const QStringList columnas = fila.originales.keys();
        db::Recordset rs = con.Query(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
                                         .arg(columnas.isEmpty() ? sec.clave : columnas.join(QStringLiteral(", ")),
                                              sec.tabla, sec.clave),
                                     {fila.clave});
        if (rs.isEOF()) {
            const QString que = s == 0 || sec.nombre.isEmpty() ? NombreRegistro() : sec.nombre;
            throw DialogoRegistroError(
                QStringLiteral("¡Otro puesto ha eliminado %1 mientras lo editaba!%2").arg(que, kSinCambios), {}, s);
        }
        for (const QString& columna : columnas) {
            if (rs.value(columna) == fila.originales.value(columna))
                continue;
            const int campo = m_definicion->IndiceCampo(columna, s);
            const QString que = campo >= 0 ? NombreCampo(campo)
                                           : (sec.nombre.isEmpty() ? NombreRegistro() : sec.nombre);
            throw DialogoRegistroError(
                QStringLiteral("¡Otro puesto ha cambiado %1 mientras lo editaba!%2").arg(que, kSinCambios),
                campo >= 0 ? columna : QString(), s);
        }
    }
}

void DialogoRegistroDatos::ComprobarReferencias(db::Connection& con) const
{
    for (int i = 0; i < m_definicion->campos.size(); ++i) {
        const CampoRegistro& c = m_definicion->campos[i];
        if (c.tipo != TipoCampo::Referencia)
            continue;
        const qint64 clave = Referencia(i);
        const FilaSeccion& fila = FilaDe(c.seccion);
        const bool cambiada = !fila.existia || !(fila.originales.value(c.columna) == Valor(c.columna, c.seccion));
        if (clave == 0 || !cambiada)
            continue;
        if (Contar(con, QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = ?").arg(c.referencia.tabla, c.referencia.clave),
                   {clave}) == 0)
            throw DialogoRegistroError(
                QStringLiteral("¡Lo elegido en %1 ya no existe: otro puesto lo ha eliminado! Elija otro.")
                    .arg(NombreCampo(i)),
                c.columna, c.seccion);
    }
}

void DialogoRegistroDatos::EscribirSeccion(db::Connection& con, int seccion)
{
    const QList<SeccionRegistro>& secciones = m_definicion->secciones;
    const SeccionRegistro& sec = secciones[seccion];
    // Rows this one refers to come first: it stores their keys.
    for (int s = seccion + 1; s < secciones.size(); ++s) {
        const SeccionRegistro& hija = secciones[s];
        if (hija.padre != seccion || hija.vinculo != VinculoSeccion::Referida)
            continue;
        FilaSeccion& referida = FilaDe(s);
        if (hija.compartida && referida.existia && m_otrosUsos.value(s) > 0 && !m_compartidasParaTodos.contains(s)
            && Distinto(referida.valores, referida.originales))
            referida.existia = false; // this record gets its own copy
        EscribirSeccion(con, s);
        EstablecerValor(hija.columnaEnPadre, referida.clave, seccion);
    }

    FilaSeccion& fila = FilaDe(seccion);
    QStringList columnas;
    QList<db::Value> valores;
    for (auto it = fila.valores.cbegin(); it != fila.valores.cend(); ++it) {
        if (it.key().compare(sec.clave, Qt::CaseInsensitive) == 0)
            continue;
        columnas << it.key();
        valores << it.value();
    }
    if (fila.existia) {
        if (Distinto(fila.valores, fila.originales) && !columnas.isEmpty()) {
            QStringList asignaciones;
            for (const QString& c : columnas)
                asignaciones << c + QStringLiteral(" = ?");
            valores << fila.clave;
            con.Exec(QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                         .arg(sec.tabla, asignaciones.join(QStringLiteral(", ")), sec.clave),
                     valores);
        }
    } else {
        if (sec.vinculo == VinculoSeccion::UnoAUno) {
            fila.clave = FilaDe(sec.padre).clave;
            columnas.prepend(sec.clave);
            valores.prepend(fila.clave);
        }
        QStringList marcas;
        for (int i = 0; i < columnas.size(); ++i)
            marcas << QStringLiteral("?");
        if (columnas.isEmpty())
            con.Exec(QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(sec.tabla));
        else
            con.Exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                         .arg(sec.tabla, columnas.join(QStringLiteral(", ")), marcas.join(QStringLiteral(", "))),
                     valores);
        if (sec.vinculo != VinculoSeccion::UnoAUno)
            fila.clave = con.LastInsertId();
        fila.existia = true;
    }

    for (int s = seccion + 1; s < secciones.size(); ++s) {
        if (secciones[s].padre == seccion && secciones[s].vinculo == VinculoSeccion::UnoAUno)
            EscribirSeccion(con, s);
    }
}

void DialogoRegistroDatos::EscribirDetalles(db::Connection& con)
{
    for (int d = 0; d < m_definicion->detalles.size(); ++d) {
        ListaDetalle& lista = m_detalles[std::size_t(d)];
        try {
            for (DialogoRegistroDatos& eliminada : lista.eliminadas)
                eliminada.EliminarEnTransaccion(con);
            for (DialogoRegistroDatos& fila : lista.filas) {
                if (!fila.EsNuevo() && !fila.m_modificado)
                    continue;
                fila.EstablecerValor(m_definicion->detalles[d].columnaPadre, Id());
                fila.EscribirEnTransaccion(con);
            }
        } catch (const DialogoRegistroError& e) {
            // The dependent record's fields are in its own dialog: the
            // message points at the list.
            throw DialogoRegistroError(e.texto(), {}, -1, d);
        }
    }
}

void DialogoRegistroDatos::Eliminar(db::Connection& con)
{
    db::Transaction transaccion(con);
    EliminarEnTransaccion(con);
    transaccion.Commit();
}

void DialogoRegistroDatos::EliminarEnTransaccion(db::Connection& con)
{
    ComprobarSinCambios(con);
    if (m_definicion->ganchos.antesDeEliminar)
        m_definicion->ganchos.antesDeEliminar(con, *this);
    for (ListaDetalle& lista : m_detalles) {
        for (DialogoRegistroDatos& fila : lista.eliminadas)
            fila.EliminarEnTransaccion(con);
        for (DialogoRegistroDatos& fila : lista.filas) {
            if (!fila.EsNuevo())
                fila.EliminarEnTransaccion(con);
        }
    }
    EliminarSeccion(con, 0);
}

void DialogoRegistroDatos::EliminarSeccion(db::Connection& con, int seccion)
{
    const QList<SeccionRegistro>& secciones = m_definicion->secciones;
    const SeccionRegistro& sec = secciones[seccion];
    for (int s = seccion + 1; s < secciones.size(); ++s) {
        if (secciones[s].padre == seccion && secciones[s].vinculo == VinculoSeccion::UnoAUno && FilaDe(s).existia)
            EliminarSeccion(con, s);
    }
    con.Exec(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(sec.tabla, sec.clave), {FilaDe(seccion).clave});
    for (int s = seccion + 1; s < secciones.size(); ++s) {
        const SeccionRegistro& hija = secciones[s];
        if (hija.padre != seccion || hija.vinculo != VinculoSeccion::Referida || !FilaDe(s).existia)
            continue;
        const qint64 clave = FilaDe(s).clave;
        qint64 usos = Contar(con, QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = ?").arg(sec.tabla, hija.columnaEnPadre),
                             {clave});
        for (const auto& [tabla, columna] : hija.otrasReferencias)
            usos += Contar(con, QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = ?").arg(tabla, columna), {clave});
        if (usos == 0)
            EliminarSeccion(con, s);
    }
}

} // namespace widgets
