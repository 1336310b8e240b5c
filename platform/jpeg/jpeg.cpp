#include "platform/jpeg/jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <new>

// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>
#include <jerror.h>

namespace {

// Everything libjpeg touches lives in this plain record, in a frame that never calls setjmp. The
// functions that do call setjmp hold nothing but a pointer to it, so a longjmp out of libjpeg
// skips no destructor and leaves no local with an indeterminate value.
struct TdecodageJpeg {
    jpeg_error_mgr erreurs;  // first, so that libjpeg's pointer to it leads back to the record
    jpeg_decompress_struct info;
    std::jmp_buf retour;
    // While rows are read the Huffman decoder looks a few bytes ahead, so reaching the end of
    // the data there means nothing by itself; a row short of data is reported as a marker hit.
    // The arithmetic decoder reads zeros past the end without a word, so there the end counts.
    bool finToleree;
};

TdecodageJpeg& decodage(j_common_ptr info) { return *reinterpret_cast<TdecodageJpeg*>(info->err); }

[[noreturn]] void abandonner(j_common_ptr info) { std::longjmp(decodage(info).retour, 1); }

// A progressive Huffman picture is read whole before its first row. Once the last scan of every
// coefficient has begun, reaching the end of the data is the same look-ahead as in the rows of a
// sequential picture: a scan really short of data still reports a marker hit.
bool dernieresPassesCommencees(const jpeg_decompress_struct& info)
{
    if (!info.progressive_mode || info.arith_code || !info.coef_bits) return false;
    for (int c = 0; c < info.num_components; ++c)
        for (int k = 0; k < DCTSIZE2; ++k)
            if (info.coef_bits[c][k] != 0) return false;
    return true;
}

// Warnings stay silent, except those saying the data ran out: the rows after that point would
// be made up, and a picture with a grey bottom is worse than no picture.
void noterMessage(j_common_ptr info, int niveau)
{
    if (niveau >= 0) return;
    const int code = info->err->msg_code;
    const TdecodageJpeg& d = decodage(info);
    if (code == JWRN_HIT_MARKER ||
        (code == JWRN_JPEG_EOF && !d.finToleree && !dernieresPassesCommencees(d.info)))
        abandonner(info);
}

void taireMessage(j_common_ptr) {}

// Reads the header and prepares RGB output; false when the data is no JPEG that can be shown.
bool ouvrir(TdecodageJpeg* d, const std::uint8_t* donnees, std::size_t taille)
{
    d->info.err = jpeg_std_error(&d->erreurs);
    d->erreurs.error_exit = abandonner;
    d->erreurs.emit_message = noterMessage;
    d->erreurs.output_message = taireMessage;
    if (setjmp(d->retour)) return false;
    jpeg_create_decompress(&d->info);
    jpeg_mem_src(&d->info, donnees, static_cast<unsigned long>(taille));
    jpeg_read_header(&d->info, TRUE);
    if (static_cast<std::int64_t>(d->info.image_width) * d->info.image_height > pixelsMaxJpeg)
        return false;
    // Greyscale comes out as RGB too; CMYK and other spaces have no conversion and fail here.
    d->info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d->info);
    return d->info.output_components == 3;
}

// Decodes every row into `pixels`, which holds output_width * output_height * 3 bytes.
bool lireLignes(TdecodageJpeg* d, std::uint8_t* pixels)
{
    if (setjmp(d->retour)) return false;
    d->finToleree = !d->info.arith_code;
    while (d->info.output_scanline < d->info.output_height) {
        JSAMPROW ligne = pixels + std::size_t{d->info.output_width} * 3 * d->info.output_scanline;
        if (jpeg_read_scanlines(&d->info, &ligne, 1) != 1) return false;
    }
    return true;
}

std::optional<TimageRvb> lirePixels(TdecodageJpeg* d)
{
    TimageRvb image;
    image.largeur = static_cast<int>(d->info.output_width);
    image.hauteur = static_cast<int>(d->info.output_height);
    try {
        image.pixels.resize(std::size_t{d->info.output_width} * d->info.output_height * 3);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    if (!lireLignes(d, image.pixels.data())) return std::nullopt;
    return image;
}

}  // namespace

std::optional<TimageRvb> decoderJpeg(const std::uint8_t* donnees, std::size_t taille)
{
    TdecodageJpeg d{};
    std::optional<TimageRvb> image;
    if (ouvrir(&d, donnees, taille)) image = lirePixels(&d);
    // Safe in every state, even when creation itself failed: the record started zeroed.
    jpeg_destroy_decompress(&d.info);
    return image;
}

std::optional<TimageRvb> lireJpeg(const std::string& chemin)
{
    // C streams: a folder or an unreadable file is a read error here, not an exception.
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> fichier(std::fopen(chemin.c_str(), "rb"),
                                                                  std::fclose);
    if (!fichier) return std::nullopt;
    std::vector<std::uint8_t> donnees;
    std::uint8_t bloc[1 << 16];
    std::size_t lus;
    while ((lus = std::fread(bloc, 1, sizeof bloc, fichier.get())) > 0)
        donnees.insert(donnees.end(), bloc, bloc + lus);
    if (std::ferror(fichier.get())) return std::nullopt;
    return decoderJpeg(donnees.data(), donnees.size());
}
