#include "data/DataModule.h"

#include "data/Catalogos.h"
#include "data/PlantillaCuestionario.h"

TdmMain::TdmMain()
    : frxPDFExport(AjustesPDFCuestionario()),
      vtEstados(CargaCatalogo(QStringLiteral("vtEstados"))),
      vLocalidades(CargaCatalogo(QStringLiteral("vLocalidades"))),
      vtActVul(CargaCatalogo(QStringLiteral("vtActVul"))),
      vtEntFin(CargaCatalogo(QStringLiteral("vtEntFin")))
{
  // The template is compiled in and loaded by the tests; failing here means a broken build.
  if (const std::optional<TErrorPlantilla> error = CargaPlantillaCuestionario(repGeneral))
    qFatal("Plantilla del cuestionario: %s", qPrintable(error->Texto()));
  repGeneral.SetAjustesPDF(frxPDFExport);  // the preview offers PDF export through it
}
