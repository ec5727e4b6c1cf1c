#include "data/DataModule.h"

#include "data/Catalogos.h"

TdmMain::TdmMain()
    : vtEstados(CargaCatalogo(QStringLiteral("vtEstados"))),
      vLocalidades(CargaCatalogo(QStringLiteral("vLocalidades"))),
      vtActVul(CargaCatalogo(QStringLiteral("vtActVul"))),
      vtEntFin(CargaCatalogo(QStringLiteral("vtEntFin")))
{
}
