#pragma once

#include <memory>

#include "db/IIDialogos.h"

// The dialogs in use. Until someone sets one, messages go to standard error and
// every warning is answered Yes. Passing nullptr restores that default.
void EstableceDialogos(std::shared_ptr<IDialogos> Dialogos);
IDialogos& Dialogos();
