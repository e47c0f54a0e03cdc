// The colour conversion library: every model in one include.
#pragma once

#include "cie.h"
#include "cmyk.h"
#include "codes.h"
#include "colourformat.h"
#include "conditions.h"
#include "contrast.h"
#include "deltae.h"
#include "errors.h"
#include "hue.h"
#include "models.h"
#include "munsell.h"
#include "munsell_renotation.h"
#include "oklab.h"
#include "video.h"
#include "videostandard.h"
