#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

#include <optional>

// The rules of the options dialog's boxes and lists, apart from the window
// so that they can be checked case by case.
namespace ReglasOpciones {

// Index of each box of `txtOpciones`.
inline constexpr int kClaveAnterior = 0;
inline constexpr int kClaveNueva = 1;
inline constexpr int kClaveConfirmacion = 2;
inline constexpr int kNRegMax = 3;
inline constexpr int kMargen = 4;
inline constexpr int kMaxPagLibro = 5;

// The numeric boxes take digits and Backspace only.
bool TeclaNumerica(QChar caracter);

// What a box holds once it loses the focus: rows per page empty or below 1
// is "24"; an empty margin is "0"; pages per book empty or "0000" is "1000"
// ("0" stays, and the save refuses it). Other boxes keep their text.
QString AlSalir(int indice, const QString& texto);

// A deduction percentage once its box is left, or saved: the whole number
// that the text begins with (0 when none), at most 100.
QString Porcentaje(const QString& texto);

// Pages per book as the save accepts them: a whole number 1 to 9999.
std::optional<int> PaginasLibro(const QString& texto);
// The receipt certificates' top margin: a whole number up to 99 (the
// arrows reach below zero).
std::optional<int> MargenCertificados(const QString& texto);
// Rows per page: a whole number 1 to 32767; anything else is the default 24.
int RegistrosPorPagina(const QString& texto);

// The document kinds offered: the receipt certificates and the labels only
// with the donations add-in, the books only with the parish-management one.
QStringList Documentos(bool vodidazaz, bool gestionParroquial);

inline const QString kCertificados = QStringLiteral("Certificados de recibos");
inline const QString kEtiquetas = QStringLiteral("Etiquetas");
inline const QString kLibros = QStringLiteral("Libros");
inline const QString kResto = QStringLiteral("Resto de documentos (Donat. y Gest. Parr.)");

// What the margins button hands to the margins dialog for a document kind:
// the two settings keys, the limits and the defaults in millimetres.
struct ParametrosMargenes {
    QString claveSuperior;
    QString claveIzquierdo;
    int maxSuperior = 0;
    int minSuperior = 0;
    int maxIzquierdo = 0;
    int minIzquierdo = 0;
    int predetSuperior = 0;
    int predetIzquierdo = 0;
};
// None for the receipt certificates (their margin is a box of the page).
std::optional<ParametrosMargenes> MargenesDocumento(const QString& documento);

// The tab that Ctrl+Tab (or Ctrl+Shift+Tab, `atras`) selects, positions
// 0 to cuenta - 1, going round at either end.
int OtraPestana(int actual, int cuenta, bool atras);

} // namespace ReglasOpciones
