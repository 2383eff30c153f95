#pragma once

// The whole public model.
#include "catalogue/Exceptions.h"
#include "catalogue/FoldCase.h"
#include "catalogue/Filter.h"
#include "catalogue/GenreTable.h"
#include "catalogue/ListPtr.h"
#include "catalogue/M3UWrite.h"
#include "catalogue/MP3Song.h"
#include "catalogue/Manager.h"
#include "catalogue/PlayList.h"
#include "catalogue/PlayListManager.h"
#include "catalogue/Song.h"
#include "catalogue/SourceManager.h"
