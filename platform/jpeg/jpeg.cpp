#include "platform/jpeg/jpeg.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <iterator>
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
    jpeg_source_mgr source;
    const std::uint8_t* donnees;
    std::size_t taille;
    std::size_t donneesLues;
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

// The warnings saying the data is damaged. libjpeg decodes on past them, and what comes out is
// colour garbage or rows shifted from the damage down: no picture is better. The others (an
// unknown JFIF revision or Adobe transform, odd scan parameters of a sequential file) leave the
// pixels as they should be.
constexpr int avertissementsDeDommage[] = {
    JWRN_HIT_MARKER,  JWRN_HUFF_BAD_CODE, JWRN_ARITH_BAD_CODE, JWRN_EXTRANEOUS_DATA,
    JWRN_MUST_RESYNC, JWRN_BOGUS_PROGRESSION,
};

// Reaching the end of the data is damage too, unless it is the look-ahead of the decoder.
void noterMessage(j_common_ptr info, int niveau)
{
    if (niveau >= 0) return;
    const int code = info->err->msg_code;
    const TdecodageJpeg& d = decodage(info);
    if (std::ranges::find(avertissementsDeDommage, code) != std::end(avertissementsDeDommage) ||
        (code == JWRN_JPEG_EOF && !d.finToleree && !dernieresPassesCommencees(d.info)))
        abandonner(info);
}

void taireMessage(j_common_ptr) {}

// The data is handed to libjpeg in pieces smaller than the 512 bytes its fast Huffman decoder
// wants in its buffer: that decoder reads a bad code as a zero without a word, while the careful
// one it falls back on reports it. Decoding takes about a tenth longer.
constexpr std::size_t morceauSource = 256;

void commencerSource(j_decompress_ptr) {}
void terminerSource(j_decompress_ptr) {}

// Past the end comes an end marker, with the warning that the data ran out.
boolean remplirSource(j_decompress_ptr info)
{
    static const JOCTET fin[] = {0xFF, JPEG_EOI};
    TdecodageJpeg& d = decodage(reinterpret_cast<j_common_ptr>(info));
    if (d.donneesLues >= d.taille) {
        WARNMS(info, JWRN_JPEG_EOF);
        d.source.next_input_byte = fin;
        d.source.bytes_in_buffer = sizeof fin;
        return TRUE;
    }
    const std::size_t n = std::min(morceauSource, d.taille - d.donneesLues);
    d.source.next_input_byte = d.donnees + d.donneesLues;
    d.source.bytes_in_buffer = n;
    d.donneesLues += n;
    return TRUE;
}

void sauterSource(j_decompress_ptr info, long n)
{
    jpeg_source_mgr& s = *info->src;
    if (n <= 0) return;
    while (static_cast<std::size_t>(n) > s.bytes_in_buffer) {
        n -= static_cast<long>(s.bytes_in_buffer);
        remplirSource(info);
    }
    s.next_input_byte += n;
    s.bytes_in_buffer -= static_cast<std::size_t>(n);
}

void brancherSource(TdecodageJpeg* d, const std::uint8_t* donnees, std::size_t taille)
{
    d->donnees = donnees;
    d->taille = donnees ? taille : 0;
    d->source = {nullptr, 0, commencerSource, remplirSource, sauterSource, jpeg_resync_to_restart,
                 terminerSource};
    d->info.src = &d->source;
}

// Reads the header and prepares RGB output; false when the data is no JPEG that can be shown.
bool ouvrir(TdecodageJpeg* d, const std::uint8_t* donnees, std::size_t taille)
{
    d->info.err = jpeg_std_error(&d->erreurs);
    d->erreurs.error_exit = abandonner;
    d->erreurs.emit_message = noterMessage;
    d->erreurs.output_message = taireMessage;
    if (setjmp(d->retour)) return false;
    jpeg_create_decompress(&d->info);
    brancherSource(d, donnees, taille);
    jpeg_read_header(&d->info, TRUE);
    const std::int64_t largeur = d->info.image_width, hauteur = d->info.image_height;
    if (largeur > largeurMaxJpeg || largeur * hauteur > pixelsMaxJpeg) return false;
    // Greyscale comes out as RGB too; CMYK and other spaces have no conversion and fail here.
    d->info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d->info);
    return d->info.output_components == 3;
}

// Decodes every row into `pixels`, which holds output_width * output_height * 3 bytes, then reads
// on to the end marker: data left over before it means the decoder lost its way in the rows.
// Bytes after the end marker are never looked at.
bool lireLignes(TdecodageJpeg* d, std::uint8_t* pixels)
{
    if (setjmp(d->retour)) return false;
    d->finToleree = !d->info.arith_code;
    while (d->info.output_scanline < d->info.output_height) {
        JSAMPROW ligne = pixels + std::size_t{d->info.output_width} * 3 * d->info.output_scanline;
        if (jpeg_read_scanlines(&d->info, &ligne, 1) != 1) return false;
    }
    jpeg_finish_decompress(&d->info);
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

struct TdescripteurFichier {
    int numero;
    ~TdescripteurFichier()
    {
        if (numero >= 0) close(numero);
    }
};

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
    // Without O_NONBLOCK, opening a pipe would wait for someone to write into it.
    const TdescripteurFichier fichier{open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    struct stat etat;
    if (fichier.numero < 0 || fstat(fichier.numero, &etat) != 0 || !S_ISREG(etat.st_mode) ||
        etat.st_size > octetsMaxJpeg)
        return std::nullopt;
    // A file that grows while it is read is read as far as its size said.
    std::vector<std::uint8_t> donnees(static_cast<std::size_t>(etat.st_size));
    std::size_t lus = 0;
    while (lus < donnees.size()) {
        const ssize_t n = read(fichier.numero, donnees.data() + lus, donnees.size() - lus);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        lus += static_cast<std::size_t>(n);
    }
    return decoderJpeg(donnees.data(), lus);
}
