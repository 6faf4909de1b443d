<?php
// Version check: "0" when the client's program and dictionary have exactly the
// sizes of the published ones, "1" otherwise. Every request gets one of the
// two digits and nothing else, never an error page: the client reads only the
// first character of the reply.
ini_set('display_errors', '0');
header('Content-Type: text/plain');

function publishedSize(string $name): ?string
{
    $path = __DIR__ . '/' . $name;
    clearstatcache(true, $path);
    if (!is_file($path)) {
        return null;
    }
    $size = filesize($path);
    return $size === false ? null : (string)$size;
}

// The client sends plain decimal digits; anything else (no value, an array,
// a sign, leading zeros, spaces) does not equal a size.
function sameSize(mixed $value, ?string $size): bool
{
    return $size !== null && is_string($value) && $value === $size;
}

$upToDate = sameSize($_GET['exe'] ?? null, publishedSize('slownik.exe'))
    && sameSize($_GET['txt'] ?? null, publishedSize('slownik.txt'));
echo $upToDate ? '0' : '1';
