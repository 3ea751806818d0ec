#include "platform/pvapi/cCodificadorPassword.h"

#include <QCryptographicHash>

namespace PVAPI {

namespace {
// Fixed so that a password stored by one build still matches in the next.
constexpr char kSal[] = "NorviaParvanta2000/clave-de-inicio:";
}

QString cCodificadorPassword::Codificado(const QString& texto)
{
    if (texto.isEmpty())
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QByteArrayView(kSal));
    hash.addData(texto.toUtf8());
    return QString::fromLatin1(hash.result().toHex());
}

void cCodificadorPassword::Codificar(QString& texto) const
{
    texto = Codificado(texto);
}

} // namespace PVAPI
