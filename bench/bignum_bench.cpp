// Big-number arithmetic on decimal texts, in process: multiplying and
// dividing numbers of a million digits and converting a hundred thousand
// digits to hexadecimal, beside GMP's mpz doing the same jobs from the same
// texts. The calculator's numbers are built on GMP too, so the reference rows
// show what the decimal-text interface adds. Results are checked against GMP's.

#include "benchsupport.h"

#include "calc/bignum.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <gmp.h>
#include <random>
#include <string>
#include <vector>

using namespace zuk::bench;

namespace {

std::string randomDigits(std::size_t count, std::mt19937_64& random)
{
    std::string digits(count, '0');
    std::uniform_int_distribution<int> digit(0, 9);
    for (char& c : digits)
        c = static_cast<char>('0' + digit(random));
    digits[0] = static_cast<char>('1' + digit(random) % 9);
    return digits;
}

std::string mpzText(const mpz_t z, int base)
{
    std::vector<char> buf(mpz_sizeinbase(z, base) + 2);
    mpz_get_str(buf.data(), base, z);
    return std::string(buf.data());
}

// One in-process row: seconds and the process's peak so far; MB/s stands for
// millions of input digits per second.
double row(const char* label, double mdigits, double seconds)
{
    printRow(label, mdigits, seconds, selfPeakKb());
    return seconds;
}

} // namespace

int main()
{
    using namespace zuk::calc;
    constexpr std::size_t kDigits = 1000000;
    constexpr std::size_t kHexDigits = 100000;
    std::mt19937_64 random(20261209);
    const std::string a = randomDigits(kDigits, random);
    const std::string b = randomDigits(kDigits, random);
    const std::string h = randomDigits(kHexDigits, random);

    std::printf("bignum: 1,000,000-digit multiply and divide, 100,000-digit to hexadecimal\n");
    std::printf("  (MB/s column: millions of input digits per second)\n");

    double slowest = 0;
    double start = now();
    const std::string product = BigMul(a, b);
    slowest = std::max(slowest, row("BigMul 1M x 1M", 2, now() - start));

    start = now();
    const BigQuotient qr = BigDivMod(a, b);
    slowest = std::max(slowest, row("BigDivMod 1M / 1M", 2, now() - start));

    // The harder division: the 2M-digit product by a 1M-digit factor gives
    // a 1M-digit quotient.
    start = now();
    const BigQuotient back = BigDivMod(product, b);
    slowest = std::max(slowest, row("BigDivMod 2M / 1M", 3, now() - start));

    start = now();
    const std::string hex = BigToHex(h);
    slowest = std::max(slowest, row("BigToHex 100k", 0.1, now() - start));
    std::printf("  slowest of ours: %.3f s (target: under 1 s each)%s\n", slowest,
                slowest < 1.0 ? "" : "  -- MISSED");

    const bool backOk = back.quotient == a && back.remainder == "0";
    bool ok = backOk;
    std::printf("  product / factor gives the other factor, remainder 0: %s\n",
                backOk ? "yes" : "NO");

    mpz_t za, zb, zh, zp, zq, zr, zq2, zr2;
    for (mpz_ptr z : {za, zb, zh, zp, zq, zr, zq2, zr2})
        mpz_init(z);

    start = now();
    mpz_set_str(za, a.c_str(), 10);
    mpz_set_str(zb, b.c_str(), 10);
    mpz_mul(zp, za, zb);
    const std::string gmpProduct = mpzText(zp, 10);
    row("GMP mul 1M x 1M (reference)", 2, now() - start);

    start = now();
    mpz_set_str(za, a.c_str(), 10);
    mpz_set_str(zb, b.c_str(), 10);
    mpz_tdiv_qr(zq, zr, za, zb);
    const std::string gmpQ = mpzText(zq, 10);
    const std::string gmpR = mpzText(zr, 10);
    row("GMP tdiv_qr 1M / 1M (ref.)", 2, now() - start);

    start = now();
    mpz_set_str(zp, product.c_str(), 10);
    mpz_set_str(zb, b.c_str(), 10);
    mpz_tdiv_qr(zq2, zr2, zp, zb);
    const std::string gmpQ2 = mpzText(zq2, 10);
    row("GMP tdiv_qr 2M / 1M (ref.)", 3, now() - start);

    start = now();
    mpz_set_str(zh, h.c_str(), 10);
    std::string gmpHex = mpzText(zh, 16);
    row("GMP get_str base 16 (ref.)", 0.1, now() - start);
    for (char& c : gmpHex)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));

    const bool same = product == gmpProduct && qr.quotient == gmpQ && qr.remainder == gmpR &&
                      back.quotient == gmpQ2 && hex == gmpHex;
    std::printf("  results identical to GMP's: %s\n", same ? "yes" : "NO");
    for (mpz_ptr z : {za, zb, zh, zp, zq, zr, zq2, zr2})
        mpz_clear(z);
    ok = ok && same;
    return ok ? 0 : 1;
}
