#include "platform/widgets/DialogoRegistroDefinicion.h"

namespace widgets {

namespace {

CampoRegistro Campo(const QString& etiqueta, const QString& columna, TipoCampo tipo)
{
    CampoRegistro c;
    c.etiqueta = etiqueta;
    c.columna = columna;
    c.tipo = tipo;
    return c;
}

} // namespace

CampoRegistro CampoTexto(const QString& etiqueta, const QString& columna, int ancho)
{
    CampoRegistro c = Campo(etiqueta, columna, TipoCampo::Texto);
    c.ancho = ancho;
    return c;
}

CampoRegistro CampoMemo(const QString& etiqueta, const QString& columna)
{
    return Campo(etiqueta, columna, TipoCampo::Memo);
}

CampoRegistro CampoFecha(const QString& etiqueta, const QString& columna)
{
    return Campo(etiqueta, columna, TipoCampo::Fecha);
}

CampoRegistro CampoSiNo(const QString& etiqueta, const QString& columna)
{
    return Campo(etiqueta, columna, TipoCampo::SiNo);
}

CampoRegistro CampoEntero(const QString& etiqueta, const QString& columna, qint64 minimo, qint64 maximo)
{
    CampoRegistro c = Campo(etiqueta, columna, TipoCampo::Entero);
    c.minimo = minimo;
    c.maximo = maximo;
    return c;
}

CampoRegistro CampoImporte(const QString& etiqueta, const QString& columnaPesetas, const QString& columnaEuros)
{
    CampoRegistro c = Campo(etiqueta, columnaPesetas, TipoCampo::Importe);
    c.columnaEuros = columnaEuros;
    c.minimo = 0;
    // Whole units of the working currency; well inside what a CURRENCY or
    // FLOAT column holds exactly.
    c.maximo = 999'999'999;
    return c;
}

CampoRegistro CampoReferencia(const QString& etiqueta, const QString& columna, const ReferenciaCampo& referencia)
{
    CampoRegistro c = Campo(etiqueta, columna, TipoCampo::Referencia);
    c.referencia = referencia;
    return c;
}

SeccionRegistro SeccionPrincipal(const QString& tabla, const QString& clave)
{
    SeccionRegistro s;
    s.tabla = tabla;
    s.clave = clave;
    return s;
}

SeccionRegistro SeccionUnoAUno(const QString& tabla, const QString& clave, int padre, const QString& titulo,
                               const QString& nombre)
{
    SeccionRegistro s = SeccionPrincipal(tabla, clave);
    s.vinculo = VinculoSeccion::UnoAUno;
    s.padre = padre;
    s.titulo = titulo;
    s.nombre = nombre;
    return s;
}

SeccionRegistro SeccionReferida(const QString& tabla, const QString& clave, int padre, const QString& columnaEnPadre,
                                const QString& titulo, const QString& nombre)
{
    SeccionRegistro s = SeccionUnoAUno(tabla, clave, padre, titulo, nombre);
    s.vinculo = VinculoSeccion::Referida;
    s.columnaEnPadre = columnaEnPadre;
    return s;
}

DetalleRegistro Detalle(const QString& titulo, std::shared_ptr<const DefinicionRegistro> definicion,
                        const QString& columnaPadre, const QStringList& columnas, const QString& mensajeNoEliminable)
{
    DetalleRegistro d;
    d.titulo = titulo;
    d.definicion = std::move(definicion);
    d.columnaPadre = columnaPadre;
    d.columnas = columnas;
    d.mensajeNoEliminable = mensajeNoEliminable;
    return d;
}

int DefinicionRegistro::IndiceCampo(const QString& columna, int seccion) const
{
    for (int i = 0; i < campos.size(); ++i) {
        const CampoRegistro& c = campos[i];
        if (seccion >= 0 && c.seccion != seccion)
            continue;
        if (c.columna.compare(columna, Qt::CaseInsensitive) == 0
            || (!c.columnaEuros.isEmpty() && c.columnaEuros.compare(columna, Qt::CaseInsensitive) == 0))
            return i;
    }
    return -1;
}

} // namespace widgets
