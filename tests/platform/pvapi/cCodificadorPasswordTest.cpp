#include "platform/pvapi/cCodificadorPassword.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

using PVAPI::cCodificadorPassword;

TEST(cCodificadorPasswordTest, EncodesDeterministicallyAndNeverKeepsTheText)
{
    const QString textos[] = {QStringLiteral("a"), QStringLiteral("clave"), QStringLiteral("Clave"),
                              QStringLiteral(" clave "), QString::fromUtf8("contraseña€"),
                              QStringLiteral("12345678901234567890")};
    QSet<QString> formas;
    for (const QString& texto : textos) {
        QString codificado = texto;
        cCodificadorPassword().Codificar(codificado);
        EXPECT_FALSE(codificado.isEmpty()) << texto.toStdString();
        EXPECT_NE(codificado, texto);
        EXPECT_EQ(codificado, cCodificadorPassword::Codificado(texto)) << "same input, same output";
        formas.insert(codificado);
    }
    EXPECT_EQ(formas.size(), int(std::size(textos))) << "different inputs give different forms";
}

TEST(cCodificadorPasswordTest, EncodingTwiceDiffersFromEncodingOnce)
{
    // The dialogs encode once; a stored form must not match when typed back.
    const QString una = cCodificadorPassword::Codificado(QStringLiteral("clave"));
    EXPECT_NE(cCodificadorPassword::Codificado(una), una);
}

TEST(cCodificadorPasswordTest, StoredFormIsPinned)
{
    // Passwords stored by earlier builds must keep matching after an update.
    EXPECT_EQ(cCodificadorPassword::Codificado(QStringLiteral("parroquia")),
              QStringLiteral("0d787952509552361be2424da02024dbe5aa95e28e6ec725e62134342b67ca76"));
}

TEST(cCodificadorPasswordTest, EmptyStaysEmptyMeaningNoPassword)
{
    QString vacio;
    cCodificadorPassword().Codificar(vacio);
    EXPECT_TRUE(vacio.isEmpty());
}

} // namespace
