// Identifiers of the small modal dialogs.
#pragma once
