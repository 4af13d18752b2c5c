// The page store's processing stage (the imaging library run over a whole
// page) is built by the imaging code; the store only knows it as a chained
// source. Without that code the stage never opens, so imaging counts as
// unavailable and the stage is left out of every chain.
#pragma once

#include <memory>

#include "transfer/ImageSource.h"

std::unique_ptr<CChainedSource> MakeProcessedStage();
