#include "addin_doubles/MockVodidazaz.h"

namespace dobles {

MockVodidazaz::MockVodidazaz()
{
    ON_CALL(*this, DatosSetup).WillByDefault(::testing::Return(true));
}

MockVodidazaz::~MockVodidazaz() = default;

QString MockVodidazaz::ImportarDuzediv1(db::Connection& conLocal, const QString& strPath, qint16 intModo,
                                        QList<QLabel*>& colEtiquetas, QProgressBar* prgProgreso,
                                        addins::ColeccionTrasvase& col1, addins::ColeccionTrasvase& col2,
                                        addins::ColeccionTrasvase& col3, addins::ColeccionTrasvase& col4,
                                        addins::ColeccionTrasvase& col5, addins::ColeccionTrasvase& col6,
                                        addins::ColeccionTrasvase& col7, addins::ColeccionTrasvase& col8,
                                        addins::ColeccionTrasvase& col9,
                                        addins::ColeccionInstituciones& colInstituciones,
                                        addins::ColeccionTrasvase& col11, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    return ImportarDuzediv1(LlamadaImportarDuzediv1 {
        .conLocal = &conLocal,
        .strPath = strPath,
        .intModo = intModo,
        .colEtiquetas = &colEtiquetas,
        .prgProgreso = prgProgreso,
        .col1 = &col1,
        .col2 = &col2,
        .col3 = &col3,
        .col4 = &col4,
        .col5 = &col5,
        .col6 = &col6,
        .col7 = &col7,
        .col8 = &col8,
        .col9 = &col9,
        .colInstituciones = &colInstituciones,
        .col11 = &col11,
        .objInfoConfig = &objInfoConfig,
    });
}

} // namespace dobles
