// The JPEG loader takes any bytes: a failed load, never a crash, a leak or a read out of bounds.

#include <cstddef>
#include <cstdint>

#include "fuzz/cible.h"
#include "platform/jpeg/jpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const std::optional<TimageRvb> image = decoderJpeg(donnees, taille);
    if (image) {
        // Whatever was decoded must hold exactly the announced rows.
        const std::size_t attendu = static_cast<std::size_t>(image->largeur) * image->hauteur * 3;
        verifier(image->largeur > 0 && image->hauteur > 0 && image->pixels.size() == attendu);
    }
    return 0;
}
