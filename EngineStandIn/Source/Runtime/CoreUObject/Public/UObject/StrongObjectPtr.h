#pragma once

#include "UObject/StrongObjectPtrTemplates.h"
