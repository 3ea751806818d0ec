#include "platform/report/Marcadores.h"

namespace report {

namespace {

[[noreturn]] void Fallo(const QString& mensaje)
{
    throw ErrorSintaxis{mensaje};
}

Formato LeerFormato(const QString& texto)
{
    Formato f;
    if (texto == QLatin1String("fecha")) {
        f.tipo = Formato::Tipo::Fecha;
    } else if (texto == QLatin1String("fechaLarga")) {
        f.tipo = Formato::Tipo::FechaLarga;
    } else if (texto.size() == 2 && texto[0] == u'n' && texto[1].isDigit()) {
        f.tipo = Formato::Tipo::Numero;
        f.decimales = texto[1].digitValue();
    } else if (texto.startsWith(QLatin1String("n@")) && texto.size() > 2) {
        f.tipo = Formato::Tipo::Numero;
        f.formulaDecimales = texto.mid(2).trimmed();
    } else {
        Fallo(QStringLiteral("formato desconocido «%1»").arg(texto));
    }
    return f;
}

// "Tabla.Campo" into the piece's table and field.
void LeerCampo(const QString& nombre, Trozo& trozo)
{
    const qsizetype punto = nombre.indexOf(u'.');
    trozo.tabla = nombre.left(punto).trimmed();
    trozo.campo = punto < 0 ? QString() : nombre.mid(punto + 1).trimmed();
    if (trozo.tabla.isEmpty() || trozo.campo.isEmpty())
        Fallo(QStringLiteral("«%1» no es un campo de la forma Tabla.Campo").arg(nombre));
}

Trozo LeerReferencia(const QString& ref)
{
    Trozo t;
    if (ref.startsWith(u'@')) {
        t.tipo = Trozo::Tipo::Formula;
        t.texto = ref.mid(1).trimmed();
        if (t.texto.isEmpty())
            Fallo(QStringLiteral("falta el nombre de la fórmula"));
    } else if (ref == QLatin1String("#Pagina")) {
        t.tipo = Trozo::Tipo::Pagina;
    } else if (ref == QLatin1String("#Paginas")) {
        t.tipo = Trozo::Tipo::Paginas;
    } else if (ref == QLatin1String("#Fecha")) {
        t.tipo = Trozo::Tipo::Fecha;
        t.formato.tipo = Formato::Tipo::Fecha;
    } else if (ref.startsWith(QLatin1String("Suma(")) && ref.endsWith(u')')) {
        t.tipo = Trozo::Tipo::Suma;
        LeerCampo(ref.mid(5, ref.size() - 6), t);
    } else if (ref.startsWith(u'#')) {
        Fallo(QStringLiteral("campo especial desconocido «%1»").arg(ref));
    } else {
        t.tipo = Trozo::Tipo::Campo;
        LeerCampo(ref, t);
    }
    return t;
}

} // namespace

Trozo LeerMarcador(const QString& interior)
{
    const qsizetype dosPuntos = interior.lastIndexOf(u':');
    const QString ref = (dosPuntos < 0 ? interior : interior.left(dosPuntos)).trimmed();
    Trozo t = LeerReferencia(ref);
    if (dosPuntos >= 0) {
        if (t.tipo == Trozo::Tipo::Pagina || t.tipo == Trozo::Tipo::Paginas)
            Fallo(QStringLiteral("«%1» no admite formato").arg(ref));
        t.formato = LeerFormato(interior.mid(dosPuntos + 1).trimmed());
    }
    return t;
}

QList<Trozo> LeerTrozos(const QString& texto)
{
    QList<Trozo> trozos;
    QString literal;
    auto cerrarLiteral = [&] {
        if (!literal.isEmpty())
            trozos.append(Trozo{Trozo::Tipo::Literal, literal, {}, {}, {}});
        literal.clear();
    };
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto[i];
        const bool doble = i + 1 < texto.size() && texto[i + 1] == c;
        if ((c == u'{' || c == u'}') && doble) {
            literal += c;
            ++i;
        } else if (c == u'{') {
            const qsizetype cierre = texto.indexOf(u'}', i + 1);
            if (cierre < 0)
                Fallo(QStringLiteral("falta la llave de cierre en «%1»").arg(texto.mid(i)));
            cerrarLiteral();
            trozos.append(LeerMarcador(texto.mid(i + 1, cierre - i - 1)));
            i = cierre;
        } else if (c == u'}') {
            Fallo(QStringLiteral("llave de cierre sin abrir en «%1»").arg(texto));
        } else {
            literal += c;
        }
    }
    cerrarLiteral();
    return trozos;
}

} // namespace report
