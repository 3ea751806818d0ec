#pragma once

#include <QDialog>

#include <array>
#include <functional>

class QFrame;
class QLineEdit;
class QPushButton;
class QToolButton;
namespace PVAPI {
struct cInfoConfiguracion;
}

// "Configuración de márgenes": the top and left print margins, in
// millimetres, of one kind of document. The caller fills the ten members
// (settings place, keys, limits, defaults) and calls Mostrar; the dialog
// reads the stored values (writing the defaults where none is stored),
// keeps the boxes within the limits when they are left or stepped, draws a
// small sheet with the printable area, and "&Aceptar" stores both margins
// as whole millimetres.
class frmMargenes : public QDialog {
    Q_OBJECT

public:
    using EjecutarDialogo = std::function<int(QDialog&)>;

    static constexpr int kSuperior = 0;
    static constexpr int kIzquierdo = 1;
    static constexpr int kAceptar = 0;
    static constexpr int kCancelar = 1;

    explicit frmMargenes(const PVAPI::cInfoConfiguracion& gobjInfoConfig, QWidget* parent = nullptr);

    QString mstrREG_AppName;
    QString mstrREG_Section;
    QString mstrREG_Key_MargenSup;
    QString mstrREG_Key_MargenIzq;
    QString mintMAX_MargenSup;
    QString mintMIN_MargenSup;
    QString mintMAX_MargenIzq;
    QString mintMIN_MargenIzq;
    QString mintPREDET_MargenSup;
    QString mintPREDET_MargenIzq;

    // The members make sense: both keys named and each lowest value below
    // its highest. Without them the preview and the save cannot work.
    bool ParametrosValidos() const;

    // Loads and shows the dialog through `ejecutar` (exec() when empty);
    // with members that make no sense it tells the user and shows nothing.
    // Returns false when it was not shown.
    bool Mostrar(const EjecutarDialogo& ejecutar = {});

    // The steps of the dialog, also for tests.
    void Form_Load();
    void AjustarMargenes();
    void DibujarMargenes();
    void txtMargenes_LostFocus(int index);
    void updMargenes_UpClick(int index);
    void updMargenes_DownClick(int index);
    void cmdMargenes_Click(int index);

    QLineEdit* txtMargenes(int index) const { return m_cajas.at(std::size_t(index)); }
    QToolButton* updMargenesArriba(int index) const { return m_arriba.at(std::size_t(index)); }
    QToolButton* updMargenesAbajo(int index) const { return m_abajo.at(std::size_t(index)); }
    QPushButton* cmdMargenes(int index) const { return m_botones.at(std::size_t(index)); }
    // Offset of the printable area inside the sheet, in twips.
    double shpMargenesTop() const { return m_top; }
    double shpMargenesLeft() const { return m_left; }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void Manejar(const char* procedimiento, const std::function<void()>& cuerpo);
    void Paso(int index, double incremento);
    double Minimo(int index) const;
    double Maximo(int index) const;

    const PVAPI::cInfoConfiguracion& m_info;
    std::array<QLineEdit*, 2> m_cajas{};
    std::array<QToolButton*, 2> m_arriba{};
    std::array<QToolButton*, 2> m_abajo{};
    std::array<QPushButton*, 2> m_botones{};
    QFrame* m_hoja = nullptr;
    QFrame* m_area = nullptr;
    double m_top = 0;
    double m_left = 0;
};
