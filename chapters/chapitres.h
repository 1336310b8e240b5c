#pragma once
// PROVISOIRE
void installerChapitres();
