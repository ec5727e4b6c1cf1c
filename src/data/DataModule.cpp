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
  CargaPlantillaCuestionario(repGeneral);
  repGeneral.SetAjustesPDF(frxPDFExport);  // the preview offers PDF export through it
}
